#include "store/case_file_values.h"

#include "calc/calc_marks.h"
#include "calc/ledger_month.h"
#include "engine/errors.h"
#include "store/dmMain.h"

namespace rv {

namespace {

void storePerson(TdMain& dm, const CasePerson& person) {
    Table& table = dm.cdsPerson;
    table.append();
    table.setValue("person_id", dm.NewPersonId());
    table.setValue("person_name", person.name);
    if (person.birthDate)
        table.setValue("person_birthdate", *person.birthDate);
    table.setValue("person_gender", person.gender);
    table.setValue("person_exp_verified", 0);
    if (person.applicationDate)
        table.setValue("person_af_date", *person.applicationDate);
    table.post();
}

void storePeriods(TdMain& dm, const std::vector<CasePeriod>& periods) {
    Table& table = dm.cdsExp;
    for (const CasePeriod& period : periods) {
        table.append();
        if (period.begin)
            table.setValue("exp_date_begin", *period.begin);
        if (period.finish)
            table.setValue("exp_date_finish", *period.finish);
        table.post();
    }
}

void storeMonths(TdMain& dm, const std::vector<CaseMonth>& months) {
    Table& table = dm.cdsEarning;
    const std::int32_t personId = dm.currentPersonId();
    for (const CaseMonth& month : months) {
        table.append();
        table.setValue("earning_person_id", personId);
        table.setValue("earning_id", ledgerKey(personId, month.month));
        table.setValue("earning_year", month.month.year);
        table.setValue("earning_month", month.month.month0);
        table.setValue("earning_avg_zp", month.averageWage);
        table.setValue("earning_avg_zp_year", month.averageWageOfYear);
        table.setValue("earning_min_zp", month.minimumWage);
        table.setValue("earning_min_zp_year", 0.0);
        table.setValue("earning_payment", month.earning);
        table.setValue("earning_payment_year", 0.0);
        table.setValue("earning_k", month.coefficient);
        table.setValue("earning_month_day", static_cast<std::int32_t>(month.coveredDays));
        table.setValue("earning_day", static_cast<std::int32_t>(month.creditedDays));
        table.setValue("earning_opt1", std::string(month.counted ? marks::kCounted : ""));
        table.setValue("earning_opt2", std::string(month.excluded ? marks::kExcluded : ""));
        table.post();
    }
}

} // namespace

void storeCase(TdMain& dm, const Case& value) {
    // The months keep the figures they have: the value's months were evaluated already.
    const bool superState = dm.superState();
    dm.setSuperState(true);
    try {
        storePerson(dm, value.person);
        storePeriods(dm, value.periods);
        storeMonths(dm, value.months);
    } catch (...) {
        dm.setSuperState(superState);
        throw;
    }
    dm.setSuperState(superState);
}

LoadedCaseFile loadCaseFile(const std::string& path) {
    GatheringPrompt prompt;
    TdMain dm;
    dm.setPrompt(&prompt);
    if (!dm.LoadCase(path))
        return {std::nullopt, "load", prompt.texts};
    try {
        dm.RepostPeriods();
    } catch (const UserError& refusal) {
        return {std::nullopt, "periods", {refusal.what()}};
    }
    return {dm.CurrentCase(), {}, {}};
}

std::vector<std::string> saveCaseFile(const Case& value, const std::string& path) {
    GatheringPrompt prompt;
    TdMain dm;
    dm.setPrompt(&prompt);
    try {
        storeCase(dm, value);
    } catch (const UserError& refusal) {
        return {refusal.what()};
    }
    if (dm.SaveCase(path))
        return {};
    return prompt.texts;
}

} // namespace rv

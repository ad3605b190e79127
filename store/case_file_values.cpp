#include "store/case_file_values.h"

#include "engine/errors.h"
#include "store/dmMain.h"

namespace rv {

namespace {

void storePerson(TdMain& dm, const CasePerson& person, bool extraExclusions) {
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
    table.setValue("person_extra_excl", extraExclusions ? 1 : 0);
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
        table.setValue("exp_kind", std::string(namesOf(period.kind).code));
        table.post();
    }
}

} // namespace

void storeCase(TdMain& dm, const Case& value) {
    // The months keep the figures they have: the value's months were evaluated already.
    const bool superState = dm.superState();
    dm.setSuperState(true);
    try {
        storePerson(dm, value.person, value.extraExclusions);
        storePeriods(dm, value.periods);
        for (const CaseMonth& month : value.months)
            appendLedgerMonth(dm.cdsEarning, dm.currentPersonId(), month);
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

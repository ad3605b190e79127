// The hooks and checks of the period table.

#include "calc/calendar.h"
#include "calc/case_entry.h"
#include "calc/ledger_rules.h"
#include "calc/messages.h"
#include "calc/periods.h"
#include "engine/errors.h"
#include "engine/table_scopes.h"
#include "store/dmMain.h"

#include <string>

namespace rv {

void TdMain::cdsExpBeforePost(Table& table) {
    const std::optional<Date> begin = table.asDate("exp_date_begin");
    const std::optional<Date> finish = table.asDate("exp_date_finish");
    checkPeriodDates({begin, finish});
    if (table.isNull("exp_id"))
        table.setValue("exp_id", 0);
    if (table.isNull("exp_person_id"))
        table.setValue("exp_person_id", m_currentPersonId);
    const PeriodLength length = ExpPeriodLength(*begin, *finish);
    table.setValue("exp_day", length.days);
    table.setValue("exp_day_str", length.text);
    // A period of a file of the first version, or typed without a kind, is work.
    if (!periodKindOfCode(table.asText("exp_kind")))
        table.setValue("exp_kind", std::string(namesOf(PeriodKind::Work).code));
}

VerifyResult TdMain::VerifyPeriods(Date birthDate) {
    const auto warn = [this](const std::string& text) {
        if (m_prompt)
            m_prompt->warning(text);
    };
    VerifyResult result;
    const std::vector<CasePeriod> periods = currentPeriods();
    if (periods.empty()) {
        warn(messages::kNoPeriods);
        result.outcome = VerifyResult::Outcome::NoPeriods;
        return result;
    }
    for (const CasePeriod& period : periods)
        if (!period.begin || !period.finish)
            throw UserError(messages::kPeriodDateMissing);

    const int minimumAge = LedgerLawRules().minimumWorkingAge;
    const PeriodsCheck check = checkPeriods(periods, birthDate, minimumAge);
    result.ageFailure = check.ageFailure;
    result.overlapFailure = check.overlapFailure;
    for (const std::string& warning : periodWarnings(check, minimumAge))
        warn(warning);
    if (result.ageFailure || result.overlapFailure) {
        result.outcome = VerifyResult::Outcome::Refused;
        return result;
    }
    result.outcome = VerifyResult::Outcome::LedgerBuilt;
    result.ledgerBuilt = BuildLedger();
    return result;
}

void TdMain::AddPeriod(const CasePeriod& period) {
    checkPeriodDates(period);
    if (cdsExp.isEditing())
        cdsExp.post(); // a period being typed is checked with the others, or refused
    const std::optional<Date> birthDate = cdsPerson.asDate("person_birthdate");
    if (!birthDate)
        throw UserError(messages::kPersonMessages[static_cast<int>(ConfirmCode::BadBirthDate)]);
    std::vector<CasePeriod> periods = currentPeriods();
    for (const CasePeriod& stored : periods)
        if (!stored.begin || !stored.finish)
            throw UserError(messages::kPeriodDateMissing);
    periods.push_back(period);
    std::string refusal;
    for (const std::string& warning : periodWarnings(periods, *birthDate, *CalcReference()))
        refusal += (refusal.empty() ? "" : "\n") + warning;
    if (!refusal.empty())
        throw UserError(refusal);
    {
        const BoundViewsSuspension frozen(cdsExp);
        cdsExp.append();
        const UnstoredEditDropped unstored(cdsExp);
        cdsExp.setValue("exp_date_begin", *period.begin);
        cdsExp.setValue("exp_date_finish", *period.finish);
        cdsExp.setValue("exp_kind", std::string(namesOf(period.kind).code));
        cdsExp.post();
    }
    BuildLedger();
}

void TdMain::RepostPeriods() {
    for (int row = 1; row <= cdsExp.recordCount(); ++row) {
        cdsExp.setRecNo(row);
        cdsExp.edit();
        try {
            cdsExp.post();
        } catch (const UserError&) {
            cdsExp.cancel();
            throw;
        }
    }
}

} // namespace rv

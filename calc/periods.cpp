#include "calc/calendar.h"
#include "calc/ledger_rules.h"
#include "calc/person_periods.h"
#include "store/dmMain.h"
#include "store/engine/errors.h"
#include "store/messages.h"

#include <algorithm>
#include <string>

namespace rv {

namespace {

// The youngest age at which a person may be hired is the law's (a pupil with a parent's consent,
// ст. 188 КЗпП).
bool startsTooYoung(Date begin, Date birthDate, int minimumAge) {
    return begin < birthDate || FullYearsBetween(birthDate, begin) < minimumAge;
}

} // namespace

PeriodsCheck checkPeriods(std::vector<EmploymentPeriod> periods, Date birthDate, int minimumAge) {
    PeriodsCheck check;
    for (const EmploymentPeriod& period : periods)
        if (startsTooYoung(*period.begin, birthDate, minimumAge))
            check.ageFailure = true;
    // Sorted by their first day, periods overlap exactly when one starts on or before the last
    // day of an earlier one (both ends belong to a period, so touching on one day overlaps).
    std::sort(
        periods.begin(), periods.end(),
        [](const EmploymentPeriod& a, const EmploymentPeriod& b) { return *a.begin < *b.begin; });
    for (std::size_t i = 1; i < periods.size() && !check.overlapFailure; ++i)
        if (*periods[i].begin <= *periods[i - 1].finish)
            check.overlapFailure = true;
    return check;
}

std::vector<EmploymentPeriod> selectPersonPeriods(Table& cdsExp, std::int32_t personId) {
    cdsExp.setFiltered(false);
    cdsExp.setFilter("exp_person_id=" + std::to_string(personId));
    cdsExp.setFiltered(true);
    std::vector<EmploymentPeriod> periods;
    periods.reserve(static_cast<std::size_t>(cdsExp.recordCount()));
    for (cdsExp.first(); !cdsExp.eof(); cdsExp.next())
        periods.push_back({cdsExp.asDate("exp_date_begin"), cdsExp.asDate("exp_date_finish")});
    return periods;
}

void TdMain::cdsExpBeforePost(Table& table) {
    const std::optional<Date> begin = table.asDate("exp_date_begin");
    const std::optional<Date> finish = table.asDate("exp_date_finish");
    if (!begin || !finish)
        throw UserError(messages::kPeriodDateMissing);
    if (*begin > *finish)
        throw UserError(messages::kPeriodBeginAfterFinish);
    if (table.isNull("exp_id"))
        table.setValue("exp_id", 0);
    if (table.isNull("exp_person_id"))
        table.setValue("exp_person_id", m_currentPersonId);
    const PeriodLength length = ExpPeriodLength(*begin, *finish);
    table.setValue("exp_day", length.days);
    table.setValue("exp_day_str", length.text);
}

VerifyResult TdMain::VerifyPeriods(Date birthDate) {
    const auto warn = [this](const std::string& text) {
        if (m_prompt)
            m_prompt->warning(text);
    };
    VerifyResult result;
    const std::vector<EmploymentPeriod> periods = selectPersonPeriods(cdsExp, m_currentPersonId);
    if (periods.empty()) {
        warn(messages::kNoPeriods);
        result.outcome = VerifyResult::Outcome::NoPeriods;
        return result;
    }
    for (const EmploymentPeriod& period : periods)
        if (!period.begin || !period.finish)
            throw UserError(messages::kPeriodDateMissing);

    const int minimumAge = LedgerLawRules().minimumWorkingAge;
    const PeriodsCheck check = checkPeriods(periods, birthDate, minimumAge);
    result.ageFailure = check.ageFailure;
    result.overlapFailure = check.overlapFailure;
    if (result.ageFailure)
        warn(messages::workBeforeMinimumAge(minimumAge));
    if (result.overlapFailure)
        warn(messages::kPeriodsOverlap);
    if (result.ageFailure || result.overlapFailure) {
        result.outcome = VerifyResult::Outcome::Refused;
        return result;
    }
    result.outcome = VerifyResult::Outcome::LedgerBuilt;
    result.ledgerBuilt = BuildLedger();
    return result;
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

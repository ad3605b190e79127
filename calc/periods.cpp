#include "calc/calendar.h"
#include "calc/ledger_rules.h"
#include "calc/person_periods.h"
#include "store/dmMain.h"
#include "store/engine/errors.h"
#include "store/messages.h"

#include <string>

namespace rv {

namespace {

// The youngest age at which a person may be hired is the law's (a pupil with a parent's consent,
// ст. 188 КЗпП).
bool startsTooYoung(Date begin, Date birthDate, int minimumAge) {
    return begin < birthDate || FullYearsBetween(birthDate, begin) < minimumAge;
}

// Both ends belong to a period, so periods that touch on one day overlap.
bool overlap(Date beginA, Date finishA, Date beginB, Date finishB) {
    return beginA <= finishB && beginB <= finishA;
}

} // namespace

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
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const EmploymentPeriod& p = periods[i];
        if (startsTooYoung(*p.begin, birthDate, minimumAge))
            result.ageFailure = true;
        for (std::size_t j = i + 1; j < periods.size(); ++j)
            if (overlap(*p.begin, *p.finish, *periods[j].begin, *periods[j].finish))
                result.overlapFailure = true;
    }
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

} // namespace rv

#include "calc/case_entry.h"

#include "calc/calculation.h"
#include "calc/law_rule_ids.h"
#include "calc/messages.h"
#include "calc/month_evaluation.h"
#include "calc/pension_dates.h"
#include "calc/periods.h"
#include "engine/errors.h"

#include <algorithm>

namespace rv {

ConfirmCode confirmApplication(const law::LawBook& law, Date birthDate, int gender,
                               std::optional<Date> applicationDate) {
    if (!applicationDate)
        return ConfirmCode::BadApplicationDate;
    Date pensionAge;
    try {
        pensionAge = pensionAgeDateOf(law, birthDate, gender);
    } catch (const UserError&) {
        return ConfirmCode::BadApplicationDate;
    }
    // ст. 45 Закону № 1058-IV: an application at most one month before the pension age date.
    // The date the person typed stays: the message names the earliest one allowed. Where the
    // right comes at any age with enough experience (ст. 26 ч. 5), the calculation decides.
    const bool anyAge = law.inForce(law::ids::kExperienceAtAnyAge, *applicationDate) != nullptr;
    if (IncMonth(pensionAge, -1) > *applicationDate && !anyAge)
        return ConfirmCode::TooEarlyApplication;
    return ConfirmCode::Confirmed;
}

ConfirmCode confirmPerson(const CasePerson& person, const law::LawBook& law) {
    if (person.name.empty())
        return ConfirmCode::NameMissing;
    // The birth date comes before the gender.
    if (!person.birthDate)
        return ConfirmCode::BadBirthDate;
    if (person.gender != 0 && person.gender != 1)
        return ConfirmCode::GenderMissing;
    return confirmApplication(law, *person.birthDate, person.gender, person.applicationDate);
}

std::string personMessage(ConfirmCode code, const CasePerson& person, const law::LawBook& law) {
    if (code == ConfirmCode::TooEarlyApplication) {
        try {
            return messages::tooEarlyApplication(
                formatDate(IncMonth(pensionAgeDateOf(law, person.birthDate, person.gender), -1)));
        } catch (const UserError&) {
            // Without a pension age date the plain message stands.
        }
    }
    return messages::kPersonMessages[static_cast<int>(code)];
}

void checkPeriodDates(const CasePeriod& period) {
    if (!period.begin || !period.finish)
        throw UserError(messages::kPeriodDateMissing);
    if (*period.begin > *period.finish)
        throw UserError(messages::kPeriodBeginAfterFinish);
}

std::vector<std::string> periodWarnings(const std::vector<CasePeriod>& periods, Date birthDate,
                                        const Reference& reference) {
    if (periods.empty())
        return {messages::kNoPeriods};
    const int minimumAge = reference.ledgerRules().minimumWorkingAge;
    return periodWarnings(checkPeriods(periods, birthDate, minimumAge), minimumAge);
}

std::vector<std::string> periodWarnings(const PeriodsCheck& check, int minimumAge) {
    std::vector<std::string> warnings;
    if (check.ageFailure)
        warnings.push_back(messages::workBeforeMinimumAge(minimumAge));
    if (check.overlapFailure)
        warnings.emplace_back(messages::kPeriodsOverlap);
    return warnings;
}

std::map<LedgerMonth, double> keptEarnings(const std::vector<CaseMonth>& months) {
    std::map<LedgerMonth, double> kept;
    for (const CaseMonth& month : months)
        if (month.earning != 0)
            kept.emplace(month.month, month.earning);
    return kept;
}

CaseMonth* findMonth(std::vector<CaseMonth>& months, LedgerMonth month) {
    const auto found = std::lower_bound(
        months.begin(), months.end(), month,
        [](const CaseMonth& entry, LedgerMonth wanted) { return entry.month < wanted; });
    return found != months.end() && found->month == month ? &*found : nullptr;
}

void enterEarning(Case& person, LedgerMonth month, double amount, const Reference& reference) {
    CaseMonth* entry = findMonth(person.months, month);
    if (!entry)
        throw UserError(messages::kEarningMonthNotCoveredPrefix + monthInSentence(month) +
                        messages::kEarningMonthNotCoveredSuffix);
    CaseMonth changed = *entry;
    changed.earning = amount;
    if (person.evaluation == MonthEvaluation::ByLaw)
        // a refused amount leaves the month as it was
        evaluateMonth(changed, reference, person.person.applicationDate);
    *entry = changed;
}

} // namespace rv

#pragma once

#include "calc/case.h"
#include "calc/law.h"
#include "calc/periods.h"
#include "calc/reference.h"
#include "engine/date.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rv {

// The steps a case passes as a person enters it, on values: the person, the periods, the
// ledger built from them and each month's earning. The data module's hooks and the headless
// calculator give the same answers, because both ask these functions.

// The application day's check of a person whose name, birth date and gender are known: none
// for a missing or an impossible application date, TooEarlyApplication for an application
// more than a month before the pension age (ст. 45 Закону № 1058-IV), else Confirmed.
ConfirmCode confirmApplication(const law::LawBook& law, Date birthDate, int gender,
                               std::optional<Date> applicationDate);

// The whole confirmation of a person's data, in the order the person panel checks it.
ConfirmCode confirmPerson(const CasePerson& person, const law::LawBook& law);

// The text of a confirmation code; a too early application names the earliest day allowed.
std::string personMessage(ConfirmCode code, const CasePerson& person, const law::LawBook& law);

// A period's own dates: both given, the first not after the last. Throws UserError.
void checkPeriodDates(const CasePeriod& period);

// The warnings of a check of the periods, in the order they are shown.
std::vector<std::string> periodWarnings(const PeriodsCheck& check, int minimumAge);

// The warnings that stop the ledger from being built of `periods` (all with both dates), in the
// order they are shown; none: the ledger can be built.
std::vector<std::string> periodWarnings(const std::vector<CasePeriod>& periods, Date birthDate,
                                        const Reference& reference);

// The earnings kept when the ledger is made again: the first non-zero earning of each month.
std::map<LedgerMonth, double> keptEarnings(const std::vector<CaseMonth>& months);

// The ledger month of `month` in `months` (in calendar order), or none.
CaseMonth* findMonth(std::vector<CaseMonth>& months, LedgerMonth month);

// Stores `amount` as the earning of `month` and evaluates the month again. Throws UserError for a
// month outside the ledger or an amount the ledger refuses.
void enterEarning(Case& person, LedgerMonth month, double amount, const Reference& reference);

} // namespace rv

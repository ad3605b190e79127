#pragma once

#include "calc/law.h"
#include "engine/date.h"
#include "calc/ledger_month.h"

namespace rv {

// The law's rules that every month of the ledger follows. They have held unchanged for every
// assignment since the law took force, so the ledger reads the latest row of each.
struct LedgerRules {
    Date maxIncomeFrom;             // first month whose earning is capped by the maximum
                                    // income subject to contributions (ст. 40)
    double earlyCoefficientCap = 0; // cap of a wage coefficient of the months before it
    Date proportionalCreditFrom;    // from this day a month is credited to experience in
                                    // proportion to its earning (ст. 24 ч. 3)
    Date earlyWindowEnd;            // first day after the months of the 60-month choice
                                    // (ст. 40 ч. 1)
    int minimumWorkingAge = 0;      // years (КЗпП ст. 188)
    Date hryvniaFrom;               // the currency reform (Указ № 762/96): earnings of the
                                    // months before it are karbovanets converted
    double karbovanetsPerHryvnia = 0;
};

// A ledger month before the month of the currency reform: its amounts are karbovanets
// converted, small enough to need five decimals.
bool isBeforeCurrencyReform(const LedgerRules& rules, LedgerMonth month);
// An amount in karbovanets (or roubles) in hryvnias, at the reform's rate.
double hryvniasFromKarbovanets(const LedgerRules& rules, double karbovanets);

// A month credited to insurance experience with fewer days than it has (ст. 24 ч. 3): only
// months from the day the law credits months by their earning on.
bool isShortCreditedMonth(const LedgerRules& rules, int year, int month0, int creditedDays);

// The ledger's rules of the law book; throws UserError naming a rule the book lacks.
LedgerRules ledgerRulesOf(const law::LawBook& law);

} // namespace rv

#pragma once

#include "calc/case.h"
#include "calc/imported_earnings.h"
#include "calc/reference.h"
#include "import/statement_reading.h"

#include <vector>

namespace rv::import {

// 100 000 karbovanets (and the roubles before them) made one hryvnia in the money reform of
// September 1996 (Указ Президента України від 25.08.1996 № 762/96).
inline constexpr double kOldCurrencyToHryvnia = 0.00001;
// Wages were paid in roubles before 1992, in karbovanets from 1992 to the reform; the reference
// data keeps both as hryvnias at the reform's rate.
inline constexpr int kFirstKarbovanetsYear = 1992;

// The flags that the reference data gives each month read: below the month's minimum wage,
// above the month's maximum for contributions (ten average wages where none is known), or so far
// above the average wage that the amount is in the currency before the 1996 reform. With the
// current person's ledger `months` (none: no case), also the months outside them and the months
// that already hold another earning. The reading's own flags come first; then by month.
std::vector<ImportFlag> previewFlags(const Reference& reference, const StatementReading& reading,
                                     const std::vector<CaseMonth>* months);

// Why the statement may be another person's: one Ukrainian sentence per difference between the
// person it names (РНОКПП's birth date, a printed birth date, the surname) and the case's
// person. Empty when they agree or there is nothing to compare.
std::vector<std::string> otherPersonReasons(const StatementPerson& statement,
                                            const CasePerson& person);

// The runs of months of a reading that lie outside the case's ledger months, each as the first
// and last month: the periods the person may need to add before the months can be applied.
struct MonthRun {
    LedgerMonth first;
    LedgerMonth last;
};
std::vector<MonthRun> monthsOutsideLedger(const StatementReading& reading,
                                          const std::vector<CaseMonth>& months);

// The months of a reading as accepted earnings, each amount as read.
std::vector<AcceptedEarning> allMonths(const StatementReading& reading);

} // namespace rv::import

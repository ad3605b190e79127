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

// The flags that the reference data gives each month read: below the month's minimum wage,
// above the month's maximum for contributions (ten average wages where none is known), or so far
// above the average wage that the amount is in the currency before the 1996 reform. With the
// current person's ledger `months` (none: no case), also the months outside them and the months
// that already hold another earning. The reading's own flags come first; then by month.
std::vector<ImportFlag> previewFlags(const Reference& reference, const StatementReading& reading,
                                     const std::vector<CaseMonth>* months);

// The months of a reading as accepted earnings, each amount as read.
std::vector<AcceptedEarning> allMonths(const StatementReading& reading);

} // namespace rv::import

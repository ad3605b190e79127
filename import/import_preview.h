#pragma once

#include "import/statement_reading.h"

#include <vector>

namespace rv {
class TdMain;
}

namespace rv::import {

// 100 000 karbovanets (and the roubles before them) made one hryvnia in the money reform of
// September 1996 (Указ Президента України від 25.08.1996 № 762/96).
inline constexpr double kOldCurrencyToHryvnia = 0.00001;

// The flags that the reference data gives each month read: below the month's minimum wage,
// above the month's maximum for contributions (ten average wages where none is known), or so far
// above the average wage that the amount is in the currency before the 1996 reform. With
// `withCase`, also the months outside the current person's ledger and the months whose ledger
// already holds another earning. The reading's own flags come first; then by month.
std::vector<ImportFlag> previewFlags(TdMain& dm, const StatementReading& reading, bool withCase);

// A month the person accepted, with the amount to store (converted when they chose so).
struct AcceptedEarning {
    LedgerMonth month;
    double amount = 0;
};

// Stores every accepted month's earning in the current person's ledger as one step: either all
// are stored, or none (the ledger keeps its earlier amounts) and UserError says why. The
// ledger's bound views are suspended meanwhile, so a window redraws once.
void applyImportedEarnings(TdMain& dm, const std::vector<AcceptedEarning>& earnings);

// The months of a reading as accepted earnings, each amount as read.
std::vector<AcceptedEarning> allMonths(const StatementReading& reading);

} // namespace rv::import

#pragma once

#include "calc/imported_earnings.h"

#include <vector>

namespace rv {

class TdMain;

// Stores every accepted month's earning in the current person's ledger as one step: either all
// are stored, or none (the ledger keeps its earlier amounts) and UserError says why. The
// ledger's bound views are suspended meanwhile, so a window redraws once.
void applyImportedEarnings(TdMain& dm, const std::vector<AcceptedEarning>& earnings);

} // namespace rv

#pragma once

#include "calc/calculation.h"
#include "calc/case.h"
#include "calc/ledger_view.h"
#include "calc/scenarios.h"
#include "calc/protocol.h"
#include "engine/date.h"

#include <vector>

namespace rv {

class TdMain;

// The pension calculation of the current person's case, for the application date shown in the
// person panel: the core calculates the case read from the tables, and the ledger's rows take
// its evaluation and the optimisations' marks back. The ledger's bound views stay suspended
// throughout and its current row is restored on every way out. The caller keeps its
// year-summary refresh off meanwhile and refreshes the summary once afterwards. An error of any
// step passes on to the caller, who then keeps the panel as it was; the ledger is then untouched.
CalculationResult Calculate(TdMain& dm, Date applicationDate, char decimalSeparator);

// The variants of the current person's case, whose calculation for `applicationDate` gave
// `today`. Throws UserError when the case has an edit not yet stored or no ledger.
ScenarioRunner openCaseScenarios(TdMain& dm, const CalculationResult& today, Date applicationDate);

// The current person's ledger months as TdMain::CurrentMonths reads them, every row of the
// person's; a filtered ledger is opened up unseen and left as it was, its cursor on its row.
std::vector<CaseMonth> currentMonthsUnseen(TdMain& dm);

// The current person's ledger months in calendar order, read without moving its cursor.
std::vector<LedgerMonthView> ledgerMonthViews(TdMain& dm);

// The protocol of `result`, the calculation just made of the current person's case in `dm`:
// the core's protocol of the case and the reference the calculation read, the ledger read as
// currentMonthsUnseen reads it.
Protocol buildProtocol(TdMain& dm, const CalculationResult& result, const ProtocolMaking& making);

} // namespace rv

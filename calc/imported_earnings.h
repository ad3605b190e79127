#pragma once

#include "calc/case.h"
#include "calc/ledger_month.h"

#include <optional>
#include <string>
#include <vector>

namespace rv {

// A month of an import the person accepted, with the amount to store (converted when they chose
// so), hryvnias.
struct AcceptedEarning {
    LedgerMonth month;
    double amount = 0;
};

// One ledger month's new earning and the earning it replaces (put back if a later month is
// refused).
struct EarningChange {
    LedgerMonth month;
    double amount = 0;
    double replaced = 0;
};

// The accepted earnings checked against the current person's ledger months: the changes to
// store, in the order accepted, or why none may be: nothing accepted, a month the ledger lacks
// (the first such), an amount that is not a finite non-negative number.
struct EarningsToStore {
    std::vector<EarningChange> changes;
    std::optional<std::string> refusal;
};
EarningsToStore earningsToStore(const std::vector<CaseMonth>& months,
                                const std::vector<AcceptedEarning>& earnings);

// A month as the import's texts name it: "березень 2005 р.".
std::string importMonthLabel(LedgerMonth month);

} // namespace rv

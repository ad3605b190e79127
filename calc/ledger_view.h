#pragma once

#include "calc/case.h"
#include "calc/ledger_month.h"

#include <optional>
#include <vector>

namespace rv {

class Reference;

// One month of the current person's ledger after a calculation, with the marks the two
// optimisations of ст. 40 left on it.
struct LedgerMonthView {
    LedgerMonth month;
    double earning = 0;        // hryvnias, as entered
    double averageWage = 0;    // the month's average wage the earning is divided by
    double minimumWage = 0;    // in force in the month
    std::optional<double> cap; // the maximum income subject to contributions, where it caps
    bool capped = false;       // the earning was above the cap
    double coefficient = 0;    // the month's wage coefficient
    int creditedDays = 0;      // days credited to insurance experience
    int monthDays = 0;         // days the employment periods cover
    // From the day months are credited by their earning (ст. 24 ч. 3): the earning was below the
    // minimum wage, which so decided the days credited.
    bool belowMinimumWage = false;
    bool counted = false;     // its coefficient enters the average (ст. 40)
    bool earlyWindow = false; // one of the 60 months chosen before the end of the choice
    bool excluded = false;    // in the run left out of the average, or left out at the
                              // person's wish (`extraExclusion` says why)
    ExtraExclusion extraExclusion = ExtraExclusion::None;
    PeriodKind kind = PeriodKind::Work;
    bool minimumWageStands = false; // ст. 40 ч. 2: the minimum wage is its earning
};

// The months of a ledger in calendar order, as a calculation left them.
std::vector<LedgerMonthView> ledgerMonthViews(const std::vector<CaseMonth>& months,
                                              const Reference& reference);

} // namespace rv

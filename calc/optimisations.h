#pragma once

#include "calc/case.h"
#include "calc/ledger_rules.h"
#include "calc/reference.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace rv {

// The end of the window of `window` consecutive months with the greatest coefficient sum: a
// running double sum, one addition and one subtraction per month in this order; of equal sums
// the earliest window wins. -1 when there are fewer months than the window (or every window
// sums to -1 or less, which coefficients never do).
int bestWindowEnd(const std::vector<double>& coefficients, int window);

// Optimisation 1 (ст. 40 ч. 1): of the months before the end of the choice (July 2000) the best
// run of `window` consecutive months counts (all of them when there are no more); from then on
// every month counts except the months credited by their earning (ст. 24 ч. 3) that have none.
// Gives the positions in `months` (calendar order) of the months that count, in that order.
// Throws UserError when the choice has to be made (more months than the window) and one of its
// coefficients is negative.
std::vector<std::size_t> optimisation1(const std::vector<CaseMonth>& months,
                                       const LedgerRules& rules, int window);

// True only when the correctly rounded double quotient `dividend / divisor` is below `bound`,
// found without the division; false when that cannot be told so cheaply. `divisor` is a whole
// number from 1 to 2^31.
bool quotientSurelyBelow(double dividend, double divisor, double bound);

// The outcome of optimisation 2 over the counted months' coefficients.
struct Optimisation2 {
    std::size_t excludedFirst = 0; // position of the first month left out
    std::size_t excludedCount = 0; // 0: none
    double averageCoefficient = 0; // of the months kept, not yet rounded
    double sumOfCoefficients = 0;  // of the months kept
};

// Optimisation 2 (ст. 40 ч. 1): one run of consecutive counted months, at most 10 % of the
// insurance experience and at most the limit, leaving at least the months the limit keeps, is
// left out of the average when that does not lower it; of equal averages the longer run, then
// the earlier one.
Optimisation2 optimisation2(const std::vector<double>& coefficients, std::int32_t insuranceMonths,
                            const OptimisationLimits& limits);

} // namespace rv

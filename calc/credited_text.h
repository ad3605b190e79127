#pragma once

#include "calc/calculation.h"
#include "calc/case.h"

#include <string>
#include <vector>

namespace rv {

// "строкова служба 2 р., догляд за дитиною 3 р. 1 міс.": the length of the periods credited
// without work, by kind in the order of the kinds, the days of work under them counted once;
// empty without such periods.
std::string creditedShareText(const std::vector<CasePeriod>& periods);

// The sentence of the results and the protocol on the credited periods (ст. 24; `share` is
// creditedShareText of them) and the months that count for the right only (розд. XV п. 3-1);
// empty without credited periods.
std::string creditedNote(const std::string& share, const CalculationResult& result);

// The sentence on the months left out at the person's wish, by reason (ст. 40 ч. 1 абз. 3);
// empty when none was.
std::string exclusionsNote(const CalculationResult& result);

} // namespace rv

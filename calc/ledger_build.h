#pragma once

#include "calc/case.h"
#include "calc/reference.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rv {

// The ledger's months that the periods cover, made from the reference figures, with the earnings
// of `keptEarnings` for the months that had one.
struct LedgerBuild {
    std::vector<CaseMonth> months; // in calendar order
    // Why the build stopped, when it did: `months` then holds those made before the refused one.
    std::optional<std::string> refusal;
};

// Builds the ledger of the periods (those without both dates give no month): a month gets the
// days of every period that reaches it, the days of work under a credited period once, and the
// kind of most of its days. With MonthEvaluation::ByLaw each month is evaluated by the rules of
// `lawDay` (see evaluateMonth) as it is made and again when a later period adds days to it.
LedgerBuild buildLedger(const std::vector<CasePeriod>& periods,
                        const std::map<LedgerMonth, double>& keptEarnings,
                        const Reference& reference, MonthEvaluation evaluation,
                        std::optional<Date> lawDay = std::nullopt);

} // namespace rv

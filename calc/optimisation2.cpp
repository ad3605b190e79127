#include "calc/calc_cache.h"
#include "store/dmMain.h"
#include "store/engine/errors.h"
#include "store/messages.h"

#include <algorithm>
#include <string>
#include <vector>

namespace rv {

namespace {

const std::string kExcludedMark = "-";

struct CountedMonth {
    std::int32_t earningId;
    double coefficient;
};

// The run of counted months whose exclusion gives the highest average.
struct ExcludedRun {
    int end = -1;   // position of its last month
    int length = 0; // 0: none
};

// Tries every run of at most `longest` consecutive months, ends ascending and lengths ascending
// for each end. A run wins when its average beats the best so far, or equals it and is longer;
// `average` and `sum` follow the winner. Every divisor is at least the kept months.
ExcludedRun bestExcludedRun(const std::vector<CountedMonth>& months, double total, int longest,
                            double& average, double& sum) {
    const int count = static_cast<int>(months.size());
    ExcludedRun best;
    for (int end = 0; end < count; ++end) {
        double remaining = total;
        for (int k = 0; k < longest && end - k >= 0; ++k) {
            remaining -= months[static_cast<std::size_t>(end - k)].coefficient;
            const double candidate = remaining / static_cast<double>(count - k - 1);
            if (candidate > average || (candidate == average && k + 1 > best.length)) {
                best = ExcludedRun{end, k + 1};
                average = candidate;
                sum = remaining;
            }
        }
    }
    return best;
}

} // namespace

// Optimisation 2, art. 40: one run of consecutive counted months, up to 10 % of the insurance
// experience and at most Opt2MaxExcludedMonths, leaving at least Opt2MinKeptMonths, is left out
// of the average when that raises it. The run moves from cdsEarningOpt1 to cdsEarningOpt2, last
// month first, and its ledger months are marked "-".
void TdMain::RunOptimization2(std::int32_t& countedMonths, std::int32_t insuranceMonths,
                              double& averageCoefficient, double& sumOfCoefficients) {
    cdsEarning.setFiltered(false);
    cdsEarningOpt2.empty();

    const int keptMonths = reference().Opt2MinKeptMonths;
    const int count = cdsEarningOpt1.recordCount();
    int longest = std::min(reference().Opt2MaxExcludedMonths, insuranceMonths / 10);
    if (count - longest < keptMonths)
        longest = count - keptMonths;

    const LedgerFields fields = ledgerFieldsOf(calcCacheOf(m_calcCache), cdsEarningOpt1);
    std::vector<CountedMonth> months;
    months.reserve(static_cast<std::size_t>(count));
    double total = 0;
    for (int row = 0; row < count; ++row) {
        months.push_back({integerOrZero(cdsEarningOpt1.viewValue(row, fields.id)),
                          floatOrZero(cdsEarningOpt1.viewValue(row, fields.coefficient))});
        total += months.back().coefficient;
    }
    averageCoefficient = 0;
    if (count > 0) {
        sumOfCoefficients = total;
        if (total != 0)
            averageCoefficient = total / static_cast<double>(count);
    }

    ExcludedRun run;
    if (count > keptMonths && longest > 0)
        run = bestExcludedRun(months, total, longest, averageCoefficient, sumOfCoefficients);

    if (run.length > 0) {
        countedMonths -= run.length;
        const int ledgerMark = ledgerFieldsOf(calcCacheOf(m_calcCache), cdsEarning).opt2;
        for (int position = run.end; position > run.end - run.length; --position) {
            const std::int32_t earningId = months[static_cast<std::size_t>(position)].earningId;
            if (!cdsEarningOpt1.locate("earning_id", earningId))
                throw UserError(messages::kCannotLocateId + std::to_string(earningId));
            appendLedgerCopy(cdsEarningOpt1, cdsEarningOpt1.recNo() - 1, cdsEarningOpt2, position);
            cdsEarningOpt1.remove();
            if (cdsEarning.locate("earning_id", earningId)) {
                cdsEarning.edit();
                cdsEarning.setValue(ledgerMark, kExcludedMark);
                cdsEarning.post();
            }
        }
    }

    cdsEarning.setShown("earning_opt2", true);
}

} // namespace rv

#include "calc/optimisations.h"

#include "calc/calendar.h"
#include "calc/messages.h"
#include "engine/errors.h"

#include <algorithm>

namespace rv {

int bestWindowEnd(const std::vector<double>& coefficients, int window) {
    double sum = 0;
    double best = -1;
    int bestEnd = -1;
    for (int i = 0; i < static_cast<int>(coefficients.size()); ++i) {
        sum += coefficients[static_cast<std::size_t>(i)];
        if (i >= window)
            sum -= coefficients[static_cast<std::size_t>(i - window)];
        if (i >= window - 1 && sum > best) {
            best = sum;
            bestEnd = i;
        }
    }
    return bestEnd;
}

std::vector<std::size_t> optimisation1(const std::vector<CaseMonth>& months,
                                       const LedgerRules& rules, int window) {
    // A window below 0 would read before the first month: it counts as 0, no early month.
    window = std::max(window, 0);
    const LedgerMonth choiceEnd = ledgerMonthOf(rules.earlyWindowEnd);
    const LedgerMonth creditByEarningFrom = ledgerMonthOf(rules.proportionalCreditFrom);

    std::vector<std::size_t> early;
    for (std::size_t i = 0; i < months.size(); ++i)
        if (months[i].month < choiceEnd)
            early.push_back(i);

    std::vector<std::size_t> counted;
    if (static_cast<int>(early.size()) > window) {
        std::vector<double> coefficients;
        coefficients.reserve(early.size());
        for (const std::size_t i : early) {
            // The evaluation refuses negative earnings; the search must never see one.
            if (months[i].coefficient < 0)
                throw UserError(messages::kNegativeEarning);
            coefficients.push_back(months[i].coefficient);
        }
        const int end = bestWindowEnd(coefficients, window);
        for (int position = end - window + 1; position <= end; ++position)
            counted.push_back(early[static_cast<std::size_t>(position)]);
    } else {
        counted = early;
    }

    for (std::size_t i = 0; i < months.size(); ++i) {
        const CaseMonth& month = months[i];
        const bool byEarning = !(month.month < creditByEarningFrom);
        if ((byEarning && month.earning > 0) || (!(month.month < choiceEnd) && !byEarning))
            counted.push_back(i);
    }
    return counted;
}

bool quotientSurelyBelow(double dividend, double divisor, double bound) {
    // With u = 2^-53, the double below a positive normal `bound` is at least bound * (1 - 2u), so
    // a quotient below that rounds below `bound`. The threshold, rounded twice, stays under
    // bound * divisor * (1 - 2u), as (1 - 2^-48) * (1 + u)^2 < 1 - 2u; the range keeps every
    // product normal and finite.
    constexpr double kMargin = 1 - 0x1p-48;
    if (!(bound > 0x1p-900 && bound < 0x1p900))
        return false;
    return dividend < bound * divisor * kMargin;
}

namespace {

// The run of counted months whose exclusion gives the highest average.
struct ExcludedRun {
    int end = -1;   // position of its last month
    int length = 0; // 0: none
};

// Tries every run of at most `longest` consecutive months, ends ascending and lengths ascending
// for each end. A run wins when its average beats the best so far, or equals it and is longer;
// `average` and `sum` follow the winner. Every divisor is at least the kept months. A run whose
// average is surely below the best is passed over without its division: the outcome is the same.
ExcludedRun bestExcludedRun(const std::vector<double>& months, double total, int longest,
                            double& average, double& sum) {
    const int count = static_cast<int>(months.size());
    ExcludedRun best;
    for (int end = 0; end < count; ++end) {
        double remaining = total;
        for (int k = 0; k < longest && end - k >= 0; ++k) {
            remaining -= months[static_cast<std::size_t>(end - k)];
            const double divisor = static_cast<double>(count - k - 1);
            if (quotientSurelyBelow(remaining, divisor, average))
                continue;
            const double candidate = remaining / divisor;
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

Optimisation2 optimisation2(const std::vector<double>& coefficients, std::int32_t insuranceMonths,
                            const OptimisationLimits& limits) {
    const int keptMonths = limits.fewestKeptMonths;
    const int count = static_cast<int>(coefficients.size());
    int longest = std::min(limits.mostExcludedMonths, insuranceMonths / 10);
    if (count - longest < keptMonths)
        longest = count - keptMonths;

    double total = 0;
    for (const double coefficient : coefficients)
        total += coefficient;
    Optimisation2 outcome;
    if (count > 0) {
        outcome.sumOfCoefficients = total;
        if (total != 0)
            outcome.averageCoefficient = total / static_cast<double>(count);
    }
    if (count > keptMonths && longest > 0) {
        const ExcludedRun run = bestExcludedRun(
            coefficients, total, longest, outcome.averageCoefficient, outcome.sumOfCoefficients);
        if (run.length > 0) {
            const int first = run.end - run.length + 1; // never below 0: the run ends at `end`
            outcome.excludedFirst = static_cast<std::size_t>(first);
            outcome.excludedCount = static_cast<std::size_t>(run.length);
        }
    }
    return outcome;
}

} // namespace rv

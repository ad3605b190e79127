#include "calc/optimisations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <vector>

namespace rv {
namespace {

struct ExclusionCase {
    const char* name;
    std::int32_t mostExcluded;
    std::int32_t fewestKept;
    std::int32_t insuranceMonths;
    std::vector<double> coefficients;
    std::size_t excludedFirst; // read only when a run is left out
    std::size_t excludedCount;
    double expectedSum;
    double expectedAverage;
};

// The coefficients are whole numbers or exact quotients, so the figures compare exactly.
TEST(Optimisation2Test, LeavesOutTheRunThatRaisesTheAverageMost) {
    const std::vector<ExclusionCase> cases = {
        {"worked example: the longer of two equal runs wins",
         3,
         3,
         30,
         {1, 1, 0, 1, 1},
         1,
         2,
         3,
         1},
        {"all coefficients 1: the first run of the longest length",
         3,
         3,
         100,
         {1, 1, 1, 1, 1, 1, 1, 1},
         0,
         3,
         5,
         1},
        {"all coefficients 0: the first run of the longest length",
         3,
         3,
         100,
         {0, 0, 0, 0, 0, 0, 0, 0},
         0,
         3,
         0,
         0},
        {"the most excluded months bound the run",
         3,
         3,
         1000,
         {1, 1, 0, 0, 0, 0, 1, 1, 1, 1},
         2,
         3,
         6,
         6.0 / 7},
        {"10 % of the insurance experience bounds the run",
         5,
         5,
         29,
         {1, 1, 1, 0, 0, 0, 1, 1, 1, 1},
         3,
         2,
         7,
         7.0 / 8},
        {"the kept months bound the run; of equal runs the first wins",
         3,
         3,
         1000,
         {0, 0, 5, 5},
         0,
         1,
         10,
         10.0 / 3},
        {"the kept months bound a longer limit", 5, 2, 1000, {0, 0, 5, 5}, 0, 2, 10, 5},
        {"a limit of one month below the kept months' bound",
         1,
         2,
         1000,
         {0, 0, 5, 5},
         0,
         1,
         10,
         10.0 / 3},
        {"a run may end at the last month", 3, 3, 100, {6, 7, 6, 7, 6, 8, 1}, 6, 1, 40, 40.0 / 6},
        {"the run need not hold the lowest month alone", 2, 1, 100, {4, 0, 1, 4, 4}, 1, 2, 12, 4},
        {"under 10 months of experience nothing is excluded",
         3,
         3,
         9,
         {0, 1, 1, 1, 1, 1},
         0,
         0,
         5,
         5.0 / 6},
        {"a limit of 0 excludes nothing", 0, 3, 1000, {0, 1, 1, 1, 1, 1}, 0, 0, 5, 5.0 / 6},
        {"no more months than must be kept", 3, 3, 100, {0, 1, 2}, 0, 0, 3, 1},
        {"fewer months than must be kept", 3, 3, 100, {0, 1}, 0, 0, 1, 0.5},
        {"no counted months", 3, 3, 100, {}, 0, 0, 0, 0},
    };
    for (const ExclusionCase& c : cases) {
        SCOPED_TRACE(c.name);
        const OptimisationLimits limits{60, c.mostExcluded, c.fewestKept};

        const Optimisation2 outcome = optimisation2(c.coefficients, c.insuranceMonths, limits);

        EXPECT_EQ(outcome.excludedCount, c.excludedCount);
        if (c.excludedCount > 0) {
            EXPECT_EQ(outcome.excludedFirst, c.excludedFirst);
        }
        EXPECT_EQ(outcome.sumOfCoefficients, c.expectedSum);
        EXPECT_EQ(outcome.averageCoefficient, c.expectedAverage);
        // N = N1 less the run, never below the months the limit keeps (when there were more).
        const std::size_t kept = c.coefficients.size() - outcome.excludedCount;
        if (outcome.excludedCount > 0) {
            EXPECT_GE(kept, static_cast<std::size_t>(c.fewestKept));
            EXPECT_LE(outcome.excludedFirst + outcome.excludedCount, c.coefficients.size());
        }
    }
}

// The sum is the total less the run's coefficients one by one, last month first, and the
// average is that sum over the kept months, all in doubles.
TEST(Optimisation2Test, SumIsTheTotalLessTheRunBySuccessiveSubtraction) {
    const std::vector<double> coefficients = {0.3, 0.1, 0.2, 0.9, 0.9, 0.9};
    double total = 0;
    for (const double coefficient : coefficients)
        total += coefficient;
    const double expectedSum = ((total - 0.2) - 0.1) - 0.3;

    const Optimisation2 outcome = optimisation2(coefficients, 100, {60, 3, 3});

    EXPECT_EQ(outcome.excludedFirst, 0u);
    EXPECT_EQ(outcome.excludedCount, 3u);
    EXPECT_EQ(outcome.sumOfCoefficients, expectedSum);
    EXPECT_EQ(outcome.averageCoefficient, expectedSum / 3);
}

// With nothing left out the figures are the plain total and its average.
TEST(Optimisation2Test, WithoutARunTheAverageIsTheTotalOverTheMonths) {
    const std::vector<double> coefficients = {0.3, 0.1, 0.2};
    const double total = (0.3 + 0.1) + 0.2;

    const Optimisation2 outcome = optimisation2(coefficients, 100, {60, 3, 3});

    EXPECT_EQ(outcome.excludedCount, 0u);
    EXPECT_EQ(outcome.sumOfCoefficients, total);
    EXPECT_EQ(outcome.averageCoefficient, total / 3);
}

struct QuotientCase {
    const char* name;
    double dividend;
    double divisor;
    double bound;
    bool surelyBelow; // what the cheap test answers
};

// The cheap test never claims a quotient below the bound that the division does not give, and it
// does claim the plainly lower ones.
TEST(QuotientSurelyBelowTest, AgreesWithTheDivision) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double third = 1.0 / 3;
    const std::vector<QuotientCase> cases = {
        {"plainly lower", 100, 200, 0.6, true},
        {"plainly higher", 150, 200, 0.6, false},
        {"the quotient itself", 1, 3, third, false},
        {"the double above the quotient", 1, 3, std::nextafter(third, 1.0), false},
        {"the double below the quotient", 1, 3, std::nextafter(third, 0.0), false},
        {"an exact quotient equal to the bound", 539, 539, 1, false},
        {"a dividend one unit in the last place lower", std::nextafter(539.0, 0.0), 539, 1, false},
        {"a dividend a millionth lower", 539 * (1 - 1e-6), 539, 1, true},
        {"a divisor of one", 0.5, 1, 0.75, true},
        {"the largest divisor", 1, 0x1p31, 1, true},
        {"a zero bound", -1, 10, 0, false},
        {"a negative bound", -20, 10, -1, false},
        {"a bound not a number", 1, 10, nan, false},
        {"a dividend not a number", nan, 10, 1, false},
        {"an infinite bound", 1, 10, inf, false},
        {"a minus infinite dividend", -inf, 10, 1, true},
        {"a negative dividend", -5, 10, 1, true},
        {"a bound below the range", 0, 10, 0x1p-901, false},
        {"a bound above the range", 1, 10, 0x1p901, false},
    };
    for (const QuotientCase& c : cases) {
        SCOPED_TRACE(c.name);
        const bool surelyBelow = quotientSurelyBelow(c.dividend, c.divisor, c.bound);
        EXPECT_EQ(surelyBelow, c.surelyBelow);
        if (surelyBelow) {
            EXPECT_LT(c.dividend / c.divisor, c.bound);
        }
    }
}

// Optimisation 2 as it was before runs were passed over: every candidate average divided out.
Optimisation2 optimisation2ByEveryDivision(const std::vector<double>& coefficients,
                                           std::int32_t insuranceMonths,
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
    if (count <= keptMonths || longest <= 0)
        return outcome;
    int bestEnd = -1, bestLength = 0;
    for (int end = 0; end < count; ++end) {
        double remaining = total;
        for (int k = 0; k < longest && end - k >= 0; ++k) {
            remaining -= coefficients[static_cast<std::size_t>(end - k)];
            const double candidate = remaining / static_cast<double>(count - k - 1);
            if (candidate > outcome.averageCoefficient ||
                (candidate == outcome.averageCoefficient && k + 1 > bestLength)) {
                bestEnd = end;
                bestLength = k + 1;
                outcome.averageCoefficient = candidate;
                outcome.sumOfCoefficients = remaining;
            }
        }
    }
    if (bestLength > 0) {
        outcome.excludedFirst = static_cast<std::size_t>(bestEnd - bestLength + 1);
        outcome.excludedCount = static_cast<std::size_t>(bestLength);
    }
    return outcome;
}

struct CoefficientPattern {
    const char* name;
    std::function<double(std::mt19937_64&, int)> coefficientAt;
};

double fivePlaces(double x) {
    return std::round(x * 100000) / 100000;
}

// The same outcome, to the bit, as dividing out every candidate, on careers of many shapes.
TEST(Optimisation2Test, SameOutcomeAsDividingEveryCandidate) {
    const std::vector<CoefficientPattern> patterns = {
        {"random coefficients to 5 places",
         [](std::mt19937_64& random, int) {
             return fivePlaces(std::uniform_real_distribution<double>(0, 3)(random));
         }},
        {"all equal", [](std::mt19937_64&, int) { return 0.7; }},
        {"two values repeating", [](std::mt19937_64&, int i) { return i % 2 ? 1.1 : 0.9; }},
        {"a low run among equal months",
         [](std::mt19937_64&, int i) { return i >= 40 && i < 70 ? 0.2 : 1.0; }},
        {"few distinct values",
         [](std::mt19937_64& random, int) {
             return std::uniform_int_distribution<int>(0, 3)(random) * 0.25;
         }},
        {"zeros and tiny values",
         [](std::mt19937_64& random, int i) {
             return i % 3 ? 0.0 : std::uniform_int_distribution<int>(0, 2)(random) * 0.00001;
         }},
        {"the benchmark's earnings over a constant wage",
         [](std::mt19937_64&, int i) { return fivePlaces((900.0 + (i * 37) % 400) / 1234.5); }},
    };
    std::mt19937_64 random(2024);
    for (const CoefficientPattern& pattern : patterns) {
        SCOPED_TRACE(pattern.name);
        for (int career = 0; career < 40; ++career) {
            const int count = std::uniform_int_distribution<int>(0, 600)(random);
            std::vector<double> coefficients;
            for (int i = 0; i < count; ++i)
                coefficients.push_back(pattern.coefficientAt(random, i));
            const std::int32_t insuranceMonths =
                std::uniform_int_distribution<std::int32_t>(0, 600)(random);
            const OptimisationLimits limits{60, 60, std::uniform_int_distribution<int>(1, 240)(random)};

            const Optimisation2 fast = optimisation2(coefficients, insuranceMonths, limits);
            const Optimisation2 slow =
                optimisation2ByEveryDivision(coefficients, insuranceMonths, limits);

            EXPECT_EQ(fast.excludedFirst, slow.excludedFirst);
            EXPECT_EQ(fast.excludedCount, slow.excludedCount);
            EXPECT_EQ(std::bit_cast<std::uint64_t>(fast.averageCoefficient),
                      std::bit_cast<std::uint64_t>(slow.averageCoefficient));
            EXPECT_EQ(std::bit_cast<std::uint64_t>(fast.sumOfCoefficients),
                      std::bit_cast<std::uint64_t>(slow.sumOfCoefficients));
        }
    }
}

} // namespace
} // namespace rv

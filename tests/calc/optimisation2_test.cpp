#include "calc/optimisations.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
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

} // namespace
} // namespace rv

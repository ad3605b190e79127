#include "calc/rounding.h"

#include <gtest/gtest.h>

namespace rv {
namespace {

struct RoundingCase {
    const char* name;
    Extended input;
    Extended expected;
};

TEST(RoundingTest, RoundHalfEvenSendsExactHalvesToTheEvenNeighbour) {
    const RoundingCase cases[] = {
        {"0.5", 0.5L, 0.0L},
        {"1.5", 1.5L, 2.0L},
        {"2.5", 2.5L, 2.0L},
        {"3.5", 3.5L, 4.0L},
        {"-0.5", -0.5L, 0.0L},
        {"-1.5", -1.5L, -2.0L},
        {"-2.5", -2.5L, -2.0L},
        {"just below a half", 2.4999999999L, 2.0L},
        {"just above a half", 2.5000000001L, 3.0L},
        {"10^18 + 0.5, beyond double", 1e18L + 0.5L, 1e18L},
        {"10^18 + 1.5, beyond double", 1e18L + 1.5L, 1e18L + 2.0L},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.input), c.expected)
            << c.name << ": gave " << static_cast<double>(RoundHalfEven(c.input));
}

// Decimal halves at the fifth place are representable only as multiples of 1/64.
TEST(RoundingTest, RoundToFivePlacesSendsRepresentableHalvesToEvenDigits) {
    const RoundingCase cases[] = {
        {"1/64 = 0.015625", 1.0L / 64, 0.01562L},
        {"3/64 = 0.046875", 3.0L / 64, 0.04688L},
        {"5/64 = 0.078125", 5.0L / 64, 0.07812L},
        {"-1/64", -1.0L / 64, -0.01562L},
        {"1 + 3/64 = 1.046875", 1.0L + 3.0L / 64, 1.04688L},
        {"average coefficient 150.123456 / 120", 150.123456L / 120, 1.25103L},
        {"no rounding needed", 0.35417L, 0.35417L},
    };
    for (const auto& c : cases) {
        const Extended result = RoundToPlaces(c.input, 5);
        EXPECT_EQ(result, c.expected) << c.name << ": gave " << static_cast<double>(result);
    }
}

TEST(RoundingTest, RoundToPlacesUsesTheGivenPlaces) {
    EXPECT_EQ(RoundToPlaces(2.5L, 0), 2.0L);
    EXPECT_EQ(RoundToPlaces(886.15464L, 4), 886.1546L);
    EXPECT_EQ(RoundToPlaces(885.416666L, 2), 885.42L);
}

} // namespace
} // namespace rv

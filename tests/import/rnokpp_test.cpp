#include "import/rnokpp.h"

#include <gtest/gtest.h>

namespace rv::import {
namespace {

struct RnokppCase {
    const char* number;
    bool valid;
    const char* birthDate; // dd.mm.yyyy, or nullptr when none is read
    int gender;
};

// Birth dates counted by hand from 31.12.1899; check digits from the weights
// -1 5 7 9 4 6 10 5 7 (sum mod 11 mod 10).
TEST(RnokppTest, ChecksTheDigitAndReadsBirthDateAndGender) {
    const RnokppCase cases[] = {
        {"2381040512", true, "10.03.1965", 0},  {"2623807368", true, "02.11.1971", 1},
        {"3814501239", true, "08.06.2004", 0},  {"0000100004", true, "01.01.1900", 1},
        {"2381040513", false, "10.03.1965", 0}, {"2381040502", false, "10.03.1965", 1},
    };
    for (const RnokppCase& c : cases) {
        const auto facts = readRnokpp(c.number);
        ASSERT_TRUE(facts) << c.number;
        EXPECT_EQ(facts->checkDigitValid, c.valid) << c.number;
        ASSERT_TRUE(facts->birthDate) << c.number;
        EXPECT_EQ(formatDate(*facts->birthDate), c.birthDate) << c.number;
        EXPECT_EQ(facts->gender, c.gender) << c.number;
    }
}

TEST(RnokppTest, RefusesAnythingButTenDigits) {
    for (const char* text : {"", "238104051", "23810405123", "238104051x", " 2381040512"})
        EXPECT_FALSE(readRnokpp(text)) << text;
    EXPECT_FALSE(readRnokpp("0000012345")->birthDate) << "day 0 is no birth date";
}

} // namespace
} // namespace rv::import

#include "calc/number_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace rv {
namespace {

struct FormatCase {
    const char* name;
    double value;
    std::string expected; // written with '.', checked with '.' and with ','
};

std::string withSeparator(std::string text, char separator) {
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

constexpr char kSeparators[] = {'.', ','};

TEST(NumberFormatTest, GeneralIsShortestUpTo15SignificantDigits) {
    const FormatCase cases[] = {
        {"KS", 0.35417, "0.35417"},
        {"total", 926.1546, "926.1546"},
        {"K", 1.25103, "1.25103"},
        {"SumK", 150.123456, "150.123456"},
        {"whole number", 2000, "2000"},
        {"negative", -886.1546, "-886.1546"},
        {"zero", 0.0, "0"},
        {"negative zero", -0.0, "0"},
        {"binary noise dropped", 0.1 + 0.2, "0.3"},
        {"rounded to 15 digits", 2.0 / 3, "0.666666666666667"},
        {"15 integer digits stay fixed", 999999999999999.0, "999999999999999"},
        {"16 integer digits go scientific", 1e15, "1E15"},
        {"18 integer digits", 123456789012345678.0, "1.23456789012346E17"},
        {"large power of ten", 1e20, "1E20"},
        {"smallest fixed value", 0.00001, "0.00001"},
        {"small fixed value", 0.000012345, "0.000012345"},
        {"below 0.00001", 1e-6, "1E-6"},
        {"below 0.00001 with a mantissa", 1.5e-6, "1.5E-6"},
        {"negative below 0.00001", -9.9999e-6, "-9.9999E-6"},
    };
    for (const char separator : kSeparators)
        for (const auto& c : cases)
            EXPECT_EQ(formatGeneral(c.value, separator), withSeparator(c.expected, separator))
                << c.name << " (" << c.value << ", separator '" << separator << "')";
}

TEST(NumberFormatTest, FixedRoundsHalvesAwayFromZeroAsPrinted) {
    struct FixedCase {
        FormatCase format;
        int decimals;
    };
    const FixedCase cases[] = {
        {{"P", 886.1546, "886.15"}, 2},
        {{"total", 926.1546, "926.15"}, 2},
        {{"exact half", 0.125, "0.13"}, 2},
        {{"negative exact half", -0.125, "-0.13"}, 2},
        {{"half stored below", 2.675, "2.68"}, 2},
        {{"half stored below, larger", 886.155, "886.16"}, 2},
        {{"carry into the integer", 9.995, "10.00"}, 2},
        {{"carry adds a digit", 999.995, "1000.00"}, 2},
        {{"whole number", 40, "40.00"}, 2},
        {{"zero", 0.0, "0.00"}, 2},
        {{"negative rounding to zero", -0.001, "0.00"}, 2},
        {{"smallest rounding up", 0.005, "0.01"}, 2},
        {{"small rounding down", 0.0049, "0.00"}, 2},
        {{"far below the places", 1e-9, "0.00"}, 2},
        {{"beyond 15 digits", 1e20, "100000000000000000000.00"}, 2},
        {{"no decimals", 2.5, "3"}, 0},
        {{"five decimals", 0.35417, "0.35417"}, 5},
    };
    for (const char separator : kSeparators)
        for (const auto& c : cases) {
            const FormatCase& f = c.format;
            EXPECT_EQ(formatFixed(f.value, c.decimals, separator),
                      withSeparator(f.expected, separator))
                << f.name << " (" << f.value << ", " << c.decimals << " decimals, separator '"
                << separator << "')";
        }
}

// Every thousandth from -100 to 100 shown with two decimals, expected worked out in integers.
TEST(NumberFormatTest, FixedAgreesWithDecimalRoundingOfThousandths) {
    for (int thousandths = -100000; thousandths <= 100000; ++thousandths) {
        const int cents = (std::abs(thousandths) + 5) / 10;
        std::string expected = cents != 0 && thousandths < 0 ? "-" : "";
        expected += std::to_string(cents / 100) + ',' + std::to_string(cents % 100 / 10) +
                    std::to_string(cents % 10);
        const double value = thousandths / 1000.0;
        ASSERT_EQ(formatFixed(value, 2, ','), expected) << thousandths << " / 1000";
    }
}

TEST(NumberFormatTest, PatternKeepsBetweenMinAndMaxDecimals) {
    const FormatCase cases[] = {
        {"padded to two", 1234.5, "1234.50"},
        {"rounded to five", 0.123456, "0.12346"},
        {"negative rounded to five", -0.123455, "-0.12346"},
        {"one decimal", 1.2, "1.20"},
        {"five significant decimals", 1.25103, "1.25103"},
        {"trailing zero dropped", 1.1234, "1.1234"},
        {"whole number", 2000, "2000.00"},
        {"binary noise dropped", 0.1 + 0.2, "0.30"},
        {"rounding to zero", 0.000004, "0.00"},
        {"rounding up from zero", 0.000005, "0.00001"},
    };
    for (const char separator : kSeparators)
        for (const auto& c : cases)
            EXPECT_EQ(formatPattern(c.value, 2, 5, separator), withSeparator(c.expected, separator))
                << c.name << " (" << c.value << ", separator '" << separator << "')";
}

// The display formats of the grids and the exported sheets, read from their pattern.
TEST(NumberFormatTest, DisplayFormatsFollowTheirPattern) {
    const struct {
        const char* format;
        double value;
        const char* expected;
    } cases[] = {
        {"", 1234.5, "1234.5"},          {"", 0.0000012, "1.2E-6"},
        {"0.00", 1234.5, "1234.50"},     {"0.00", 0.125, "0.13"},
        {"0.00###", 1.25103, "1.25103"}, {"0.00###", 2000, "2000.00"},
        {"0.00000", 0.0035, "0.00350"},  {"0", 2.5, "3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatDisplay(c.value, c.format, ','), withSeparator(c.expected, ','))
            << "format '" << c.format << "', value " << c.value;
}

} // namespace
} // namespace rv

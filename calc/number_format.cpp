#include "number_format.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>

namespace rv {

namespace {

constexpr int kSignificantDigits = 15;

// A finite double as 15 significant decimal digits: |value| = 0.d1d2...d15 * 10^(exponent + 1),
// so `exponent` is the power of ten of the first digit. Zero is all zeros with exponent 0.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Decimal toDecimal(double value) {
    assert(std::isfinite(value));
    // "d.dddddddddddddde±x"; std::to_chars ignores the C locale, unlike printf.
    std::array<char, 32> buffer{};
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                      std::chars_format::scientific, kSignificantDigits - 1);
    assert(ec == std::errc());
    const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    const auto exponentMark = text.find('e');
    Decimal decimal;
    decimal.negative = std::signbit(value) && value != 0;
    decimal.digits = std::string(1, text[0]) + std::string(text.substr(2, exponentMark - 2));
    const std::string_view exponentText = text.substr(exponentMark + 1);
    const std::size_t skip = exponentText.front() == '+' ? 1 : 0;
    std::from_chars(exponentText.data() + skip, exponentText.data() + exponentText.size(),
                    decimal.exponent);
    return decimal;
}

void dropTrailingZeros(std::string& digits, std::size_t keep) {
    while (digits.size() > keep && digits.back() == '0')
        digits.pop_back();
}

// Adds one to a string of decimal digits, growing it on a carry out of the first digit.
void increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The digits of |value| * 10^places rounded to an integer, halves away from zero.
//
// The half is judged on the value as printed with 15 significant digits, not on the exact
// binary value: 0.125 gives 0.13, and 886.155 (stored as 886.15499999...) gives 886.16, the
// way the number looks to the user.
std::string scaledDigits(const Decimal& decimal, int places) {
    const int kept = decimal.exponent + 1 + places; // digits left of the rounding point
    const auto size = static_cast<int>(decimal.digits.size());
    if (kept >= size)
        return decimal.digits + std::string(static_cast<std::size_t>(kept - size), '0');
    if (kept < 0)
        return "0";
    std::string scaled = decimal.digits.substr(0, static_cast<std::size_t>(kept));
    const bool roundUp = decimal.digits[static_cast<std::size_t>(kept)] >= '5';
    if (scaled.empty())
        scaled = "0";
    if (roundUp)
        increment(scaled);
    return scaled;
}

std::string nonFinite(double value) {
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

std::string scientific(const Decimal& decimal, char decimalSeparator) {
    std::string text = decimal.negative ? "-" : "";
    text += decimal.digits[0];
    if (decimal.digits.size() > 1) {
        text += decimalSeparator;
        text.append(decimal.digits, 1);
    }
    return text + 'E' + std::to_string(decimal.exponent);
}

std::string fixed(const Decimal& decimal, char decimalSeparator) {
    std::string text = decimal.negative ? "-" : "";
    const auto size = static_cast<int>(decimal.digits.size());
    if (decimal.exponent < 0) {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-decimal.exponent - 1), '0');
        return text + decimal.digits;
    }
    const int integerDigits = decimal.exponent + 1;
    if (size <= integerDigits)
        return text + decimal.digits +
               std::string(static_cast<std::size_t>(integerDigits - size), '0');
    text.append(decimal.digits, 0, static_cast<std::size_t>(integerDigits));
    text += decimalSeparator;
    text.append(decimal.digits, static_cast<std::size_t>(integerDigits));
    return text;
}

} // namespace

std::string formatGeneral(double value, char decimalSeparator) {
    if (!std::isfinite(value))
        return nonFinite(value);
    if (value == 0)
        return "0";
    Decimal decimal = toDecimal(value);
    dropTrailingZeros(decimal.digits, 1);
    const bool belowSmallest = decimal.exponent < -5; // |value| < 0.00001 once rounded
    const bool tooManyIntegerDigits = decimal.exponent + 1 > kSignificantDigits;
    return belowSmallest || tooManyIntegerDigits ? scientific(decimal, decimalSeparator)
                                                 : fixed(decimal, decimalSeparator);
}

std::string formatFixed(double value, int decimals, char decimalSeparator) {
    return formatPattern(value, decimals, decimals, decimalSeparator);
}

std::string formatPattern(double value, int minDecimals, int maxDecimals, char decimalSeparator) {
    assert(minDecimals >= 0 && minDecimals <= maxDecimals);
    if (!std::isfinite(value))
        return nonFinite(value);
    const Decimal decimal = toDecimal(value);
    std::string scaled = scaledDigits(decimal, maxDecimals);
    const auto width = static_cast<std::size_t>(maxDecimals) + 1;
    if (scaled.size() < width)
        scaled.insert(0, width - scaled.size(), '0');
    const bool isZero = scaled.find_first_not_of('0') == std::string::npos;
    std::string integerPart =
        scaled.substr(0, scaled.size() - static_cast<std::size_t>(maxDecimals));
    std::string fraction = scaled.substr(integerPart.size());
    dropTrailingZeros(fraction, static_cast<std::size_t>(minDecimals));
    std::string text = decimal.negative && !isZero ? "-" : "";
    text += integerPart;
    if (!fraction.empty()) {
        text += decimalSeparator;
        text += fraction;
    }
    return text;
}

std::string formatDisplay(double value, std::string_view displayFormat, char decimalSeparator) {
    if (displayFormat.empty())
        return formatGeneral(value, decimalSeparator);
    int minimum = 0;
    int maximum = 0;
    const auto point = displayFormat.find('.');
    for (auto i = point == std::string_view::npos ? displayFormat.size() : point + 1;
         i < displayFormat.size() && (displayFormat[i] == '0' || displayFormat[i] == '#'); ++i) {
        minimum += displayFormat[i] == '0' ? 1 : 0;
        ++maximum;
    }
    return formatPattern(value, minimum, maximum, decimalSeparator);
}

} // namespace rv

#pragma once

#include <string>
#include <string_view>

namespace rv {

// Display forms of numbers. The decimal separator is the caller's (the window reads it from the
// user's regional settings); no digit grouping anywhere.

// "General": at most 15 significant digits without trailing zeros; fixed notation, or
// scientific ("1E-6", "1,5E-6", "1E20") when the value is below 0.00001 or has more than 15
// integer digits.
std::string formatGeneral(double value, char decimalSeparator);

// The pattern "0.00" for decimals = 2: exactly `decimals` decimals, halves away from zero.
std::string formatFixed(double value, int decimals, char decimalSeparator);

// Patterns like "0.00###": rounded to maxDecimals, halves away from zero, then trailing zeros
// dropped while more than minDecimals remain.
std::string formatPattern(double value, int minDecimals, int maxDecimals, char decimalSeparator);

// A number in a display format: empty, the general format; else a pattern whose zeros after the
// point are the decimals always written and whose hashes those written when not trailing zeros
// ("0.00": two, "0.00###": two to five, "0.00000": five).
std::string formatDisplay(double value, std::string_view displayFormat, char decimalSeparator);

} // namespace rv

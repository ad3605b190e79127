#pragma once

#include <limits>

namespace rv {

// The precision of every product, quotient and rounding of the pension formulas.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits >= 64);

// Nearest integer, an exact half going to the even neighbour.
Extended RoundHalfEven(Extended x);

// The places a month's wage coefficient is kept to; a sum of them carries no more.
inline constexpr int kWageCoefficientPlaces = 5;

// Round(x * 10^places) / 10^places with 10^places exact; places 0..18.
Extended RoundToPlaces(Extended x, int places);

} // namespace rv

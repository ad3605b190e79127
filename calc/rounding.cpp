#include "rounding.h"

#include <array>
#include <cassert>
#include <cfenv>
#include <cmath>

namespace rv {

namespace {

// 10^places for places 0..18, each exact in Extended (5^places fits the 64-bit mantissa),
// worked out once by the same repeated multiplication by 10.
constexpr auto kPowersOfTen = [] {
    std::array<Extended, 19> powers{};
    Extended power = 1;
    for (Extended& entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();

Extended exactPowerOfTen(int places) {
    assert(places >= 0 && places < static_cast<int>(kPowersOfTen.size()));
    return kPowersOfTen[static_cast<std::size_t>(places)];
}

} // namespace

Extended RoundHalfEven(Extended x) {
    // rintl follows the current rounding mode; the program never leaves the default one. Unlike
    // nearbyintl it may raise the inexact flag, which nothing reads, and it does not save and
    // restore the floating-point environment: a third of a calculation's time.
    assert(std::fegetround() == FE_TONEAREST);
    return std::rintl(x);
}

Extended RoundToPlaces(Extended x, int places) {
    const Extended scale = exactPowerOfTen(places);
    return RoundHalfEven(x * scale) / scale;
}

} // namespace rv

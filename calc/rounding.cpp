#include "rounding.h"

#include <cassert>
#include <cfenv>
#include <cmath>

namespace rv {

namespace {

// 10^places is exact in Extended while 5^places fits the 64-bit mantissa (places <= 27).
Extended exactPowerOfTen(int places) {
    assert(places >= 0 && places <= 18);
    Extended power = 1;
    for (int i = 0; i < places; ++i)
        power *= 10;
    return power;
}

} // namespace

Extended RoundHalfEven(Extended x) {
    // nearbyintl follows the current rounding mode; the program never leaves the default one.
    assert(std::fegetround() == FE_TONEAREST);
    return std::nearbyintl(x);
}

Extended RoundToPlaces(Extended x, int places) {
    const Extended scale = exactPowerOfTen(places);
    return RoundHalfEven(x * scale) / scale;
}

} // namespace rv

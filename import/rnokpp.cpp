#include "import/rnokpp.h"

#include <algorithm>
#include <array>

namespace rv::import {

int rnokppCheckDigit(std::string_view firstNine) {
    static constexpr std::array<int, 9> kWeights = {-1, 5, 7, 9, 4, 6, 10, 5, 7};
    int sum = 0;
    for (std::size_t i = 0; i < kWeights.size() && i < firstNine.size(); ++i)
        sum += kWeights[i] * (firstNine[i] - '0');
    return ((sum % 11) + 11) % 11 % 10;
}

std::optional<RnokppFacts> readRnokpp(std::string_view digits) {
    if (digits.size() != 10 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    RnokppFacts facts;
    facts.checkDigitValid = rnokppCheckDigit(digits.substr(0, 9)) == digits[9] - '0';
    int days = 0;
    for (char c : digits.substr(0, 5))
        days = days * 10 + (c - '0');
    // Day 1 of the count is 01.01.1900; the serial day 0 is 30.12.1899.
    if (days > 0)
        facts.birthDate = Date{days + 1};
    facts.gender = (digits[8] - '0') % 2 == 1 ? 0 : 1;
    return facts;
}

} // namespace rv::import

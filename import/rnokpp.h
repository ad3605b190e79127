#pragma once

#include "engine/date.h"

#include <optional>
#include <string_view>

namespace rv::import {

// What the taxpayer's registration number (РНОКПП, ten digits) tells: its first five digits
// count the days from 31.12.1899 to the birth date, its ninth digit is odd for a man, and its
// tenth is a check digit over the first nine.
struct RnokppFacts {
    bool checkDigitValid = false;
    std::optional<Date> birthDate; // nullopt when the five digits give no day
    int gender = 0;                // 0 a man, 1 a woman (the gender codes of the person panel)
};

// nullopt unless the text is exactly ten digits.
std::optional<RnokppFacts> readRnokpp(std::string_view digits);

// The check digit of the first nine digits (weights -1 5 7 9 4 6 10 5 7, sum mod 11 mod 10).
int rnokppCheckDigit(std::string_view firstNine);

} // namespace rv::import

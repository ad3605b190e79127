#pragma once

#include <array>
#include <string_view>

namespace rv {

// The names of the values a case indexes; ids count from 0 in list order.

// 0 is a man, 1 a woman (CasePerson::gender).
inline constexpr std::array<std::string_view, 2> kGenderNames = {"Чоловік", "Жінка"};

// Ledger months are 0-based: 0 is January.
inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "Січень", "Лютий",   "Березень", "Квітень", "Травень",  "Червень",
    "Липень", "Серпень", "Вересень", "Жовтень", "Листопад", "Грудень"};

} // namespace rv

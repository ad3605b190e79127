#pragma once

#include <array>
#include <string_view>

namespace rv {

// Ids count from 0 in list order: 0 is a man, 1 a woman.
inline constexpr std::array<std::string_view, 2> kGenderNames = {"Чоловік", "Жінка"};

// Ledger months are 0-based: 0 is January.
inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "Січень", "Лютий",  "Березень", "Квітень", "Травень",  "Червень",
    "Липень", "Серпень", "Вересень", "Жовтень", "Листопад", "Грудень"};

// The parameter rows shown in the parameters table, in their order.
inline constexpr std::array<std::string_view, 5> kParameterNames = {
    "Мінімально необхідний СС (для отримання неповної пенсії)",
    "Необхідний СС жінки (для отримання повної пенсії)",
    "Необхідний СС чоловіки (для отримання повної пенсії)",
    "Пенсійний вік жінки",
    "Пенсійний вік чоловіка",
};

} // namespace rv

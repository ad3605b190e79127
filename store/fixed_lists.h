#pragma once

#include "calc/list_names.h"

#include <array>
#include <string_view>

namespace rv {

// The parameter rows shown in the parameters table, in their order.
inline constexpr std::array<std::string_view, 5> kParameterNames = {
    "Мінімально необхідний СС (для отримання неповної пенсії)",
    "Необхідний СС жінки (для отримання повної пенсії)",
    "Необхідний СС чоловіки (для отримання повної пенсії)",
    "Пенсійний вік жінки",
    "Пенсійний вік чоловіка",
};

} // namespace rv

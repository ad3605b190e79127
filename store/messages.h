#pragma once

// Every Ukrainian text that the core shows or raises, as the program states it.
namespace rv::messages {

inline constexpr const char* kCannotUnpackReference =
    "Неможливо розпакувати довідники. Завантажте останню версію програми з сайту Дорвен";

} // namespace rv::messages

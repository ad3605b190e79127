#pragma once

#include "date.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace rv {

enum class FieldType { Integer, Text, Date, Float };

// A field value: empty (std::monostate) or a value of the field's type. Texts are UTF-8.
using Value = std::variant<std::monostate, std::int32_t, double, std::string, Date>;

// A number written with "." as the decimal point, nothing else around it; none otherwise.
std::optional<double> parseFloat(std::string_view text);
// A whole number, nothing else around it; none otherwise.
std::optional<std::int32_t> parseInteger(std::string_view text);

inline bool isEmpty(const Value& value) {
    return std::holds_alternative<std::monostate>(value);
}

// The integer of an integer value; 0 for an empty value or one of another type.
inline std::int32_t integerOrZero(const Value& value) {
    const auto* integer = std::get_if<std::int32_t>(&value);
    return integer ? *integer : 0;
}

// The number of a float value; 0 for an empty value or one of another type.
inline double floatOrZero(const Value& value) {
    const auto* number = std::get_if<double>(&value);
    return number ? *number : 0.0;
}

// The text of a text value; empty for an empty value or one of another type.
inline std::string textOrEmpty(const Value& value) {
    const auto* text = std::get_if<std::string>(&value);
    return text ? *text : std::string();
}

// The date of a date value; none for an empty value or one of another type.
inline std::optional<Date> dateOrNone(const Value& value) {
    const auto* date = std::get_if<Date>(&value);
    return date ? std::optional<Date>(*date) : std::nullopt;
}

} // namespace rv

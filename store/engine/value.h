#pragma once

#include "date.h"

#include <cstdint>
#include <string>
#include <variant>

namespace rv {

enum class FieldType { Integer, Text, Date, Float };

// A field value: empty (std::monostate) or a value of the field's type. Texts are UTF-8.
using Value = std::variant<std::monostate, std::int32_t, double, std::string, Date>;

inline bool isEmpty(const Value& value) { return std::holds_alternative<std::monostate>(value); }

} // namespace rv

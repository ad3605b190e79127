#pragma once

#include "engine/value.h"

#include <nlohmann/json.hpp>

namespace rv::cli {

// A field value as JSON: dates "dd.mm.yyyy", numbers as they are (they read back to the same
// double), texts as they are, empty as null.
nlohmann::ordered_json valueJson(const Value& value);

} // namespace rv::cli

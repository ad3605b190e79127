#pragma once

#include <nlohmann/json.hpp>

namespace rv::cli {

// The reference data as the program unpacked it: the eight parameters by name and every
// reference table's rows under their field names (dates "dd.mm.yyyy", empty values null), as
// the window's data module holds them.
nlohmann::ordered_json referenceDataJson();

} // namespace rv::cli

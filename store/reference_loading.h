#pragma once

#include "protect/reference_container.h"
#include "engine/table.h"

#include <string_view>

namespace rv {

// Appends the five parameter rows in their fixed order. Always true; a table error passes on.
bool FillParamTable(Table& cdsParam, const ReferenceData& reference);

// Fills a dated reference table from its reference text: lines "field<row>=value" separated by
// CR LF, found by name (case-insensitive, the first of equal names counts), one line per field
// of every row. Dates read "dd.mm.yyyy" and numbers use "." whatever the user's settings.
// False when the line count is no multiple of the field count (the table stays empty) or a
// value does not convert (the rows posted before it stay; the row being filled is dropped).
bool LoadReferenceText(Table& table, std::string_view text);

} // namespace rv

#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace rv {

// One row of a reference text: its values in the order of the names asked for, empty where the
// text has none.
using ReferenceRowValues = std::vector<std::string_view>;

// Reads the rows of a reference text: one line per field of every row, "name<row>=value", rows
// counted from 1, lines ending at CR LF, CR or LF, names found case-insensitively (the first of
// equal names counts). `take` receives each row in turn and says false to stop there. False
// when the line count is no multiple of the number of names (no row is read) or `take` stopped.
bool readReferenceRows(std::string_view text, const std::vector<std::string>& names,
                       const std::function<bool(const ReferenceRowValues&)>& take);

} // namespace rv

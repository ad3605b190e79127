#pragma once

#include "engine/table.h"

#include <filesystem>
#include <string>

namespace rv {

// The earnings dump of the hidden command "Super Save": the header line, then one line per row
// of the ledger's view from its first row to its last (the cursor is left on the last row),
// each of earning_year, earning_month_name, earning_min_zp, earning_avg_zp, earning_payment,
// earning_k, earning_day, earning_opt1, earning_opt2 followed by ";". Numbers in the general
// format with the given decimal separator, an empty text for a null; lines end with CR LF; the
// text is in code page 1251.
std::string earningsDumpBytes(Table& ledger, char decimalSeparator);

// Writes the dump to `path` atomically; the folder is not created. Throws on failure
// (std::filesystem::filesystem_error for the file).
void saveEarningsDump(Table& ledger, const std::filesystem::path& path, char decimalSeparator);

// A new name for the dump in a folder that only the user can write, so nobody else can plant a
// file or symlink where it goes: "c:\temp\earning.csv" on Windows; elsewhere
// earning-<date>-<time>-<process>.csv in the program's state folder ($XDG_STATE_HOME/ravelta,
// by default ~/.local/state/ravelta), created with mode 0700 when missing. Throws
// std::filesystem::filesystem_error when that folder cannot be made or is open to others.
std::filesystem::path defaultEarningsDumpPath();

} // namespace rv

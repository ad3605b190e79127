#pragma once

#include "calc/case.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rv {

class Table;
class TdMain;

// The case file is the data module's format: these read and write one as a `Case`, through a
// data module of their own, for the programs that work on values.

// A case file read as the window reads it: its periods stored again, each checked again.
struct LoadedCaseFile {
    std::optional<Case> loaded; // none when refused
    std::string stage;          // why not: "load" (the file) or "periods" (a stored period)
    std::vector<std::string> texts;
};

LoadedCaseFile loadCaseFile(const std::string& path);

// Appends `month` to the ledger table as the person's row, with its figures and marks, and
// stores it.
void appendLedgerMonth(Table& ledger, std::int32_t personId, const CaseMonth& month);

// Stores `value` as the data module's only person: its periods and its months with the figures
// and marks they have. Throws UserError when a row is refused.
void storeCase(TdMain& dm, const Case& value);

// Writes `value` as a case file at `path` (UTF-8) without touching an existing file unless the
// whole new one is written. The texts of the refusal; none: written.
std::vector<std::string> saveCaseFile(const Case& value, const std::string& path);

} // namespace rv

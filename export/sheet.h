#pragma once

#include "engine/date.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace rv {

// A number with the format a spreadsheet shows it in: "0.00", "0.00###", "0.00000"; empty: the
// general format.
struct SheetNumber {
    double value = 0;
    std::string format{};
    bool operator==(const SheetNumber&) const = default;
};

// One cell: empty, a UTF-8 text, an integer, a number or a date.
using SheetCell = std::variant<std::monostate, std::string, std::int32_t, SheetNumber, Date>;

// An exported worksheet as both spreadsheet writers take it, top to bottom: the heading (one
// text in the first cell), the column titles, the rows, the totals. An empty part is left out.
struct Sheet {
    std::string heading{};
    std::vector<std::string> titles{};
    std::vector<std::vector<SheetCell>> rows{};
    std::vector<SheetCell> totals{};
};

// The format of every date cell, in the spreadsheets' own (English) format codes.
inline constexpr const char* kSheetDateFormat = "dd.mm.yyyy";

// The columns' widths in characters: each as wide as the longest of its title, cell texts and
// total, with a margin, kept between kNarrowestColumn and kWidestColumn. The heading overflows
// into the empty cells beside it and so widens nothing.
inline constexpr int kNarrowestColumn = 8;
inline constexpr int kWidestColumn = 60;
std::vector<int> sheetColumnWidths(const Sheet& sheet);

// The number formats the cells use, each once, in the order met (the date format for dates).
std::vector<std::string> sheetNumberFormats(const Sheet& sheet);

// The format a cell is shown in: its number's format, the date format, or empty.
std::string_view cellFormat(const SheetCell& cell);

// The heading of an export: "<name>, <dd.mm.yyyy> р. н. — <what>; вивантажено <dd.mm.yyyy>".
std::string sheetHeading(std::string_view personName, std::optional<Date> birthDate,
                         std::string_view what, Date exportDay);

} // namespace rv

#include "sheet.h"

#include "engine/text_utf8.h"
#include "calc/messages.h"
#include "calc/number_format.h"
#include "export/export_messages.h"

#include <algorithm>

namespace rv {

namespace {

constexpr int kMargin = 2; // characters of room beside the longest text

// The characters a cell shows.
std::size_t shownLength(const SheetCell& cell) {
    if (const auto* text = std::get_if<std::string>(&cell))
        return utf8Length(*text);
    if (const auto* integer = std::get_if<std::int32_t>(&cell))
        return std::to_string(*integer).size();
    if (const auto* number = std::get_if<SheetNumber>(&cell))
        return formatDisplay(number->value, number->format, '.').size();
    if (const auto* date = std::get_if<Date>(&cell))
        return formatDate(*date).size();
    return 0;
}

void widen(std::vector<std::size_t>& longest, std::size_t column, std::size_t length) {
    if (longest.size() <= column)
        longest.resize(column + 1, 0);
    longest[column] = std::max(longest[column], length);
}

} // namespace

std::vector<int> sheetColumnWidths(const Sheet& sheet) {
    std::vector<std::size_t> longest;
    for (std::size_t column = 0; column < sheet.titles.size(); ++column)
        widen(longest, column, utf8Length(sheet.titles[column]));
    for (const std::vector<SheetCell>& row : sheet.rows)
        for (std::size_t column = 0; column < row.size(); ++column)
            widen(longest, column, shownLength(row[column]));
    for (std::size_t column = 0; column < sheet.totals.size(); ++column)
        widen(longest, column, shownLength(sheet.totals[column]));
    std::vector<int> widths;
    widths.reserve(longest.size());
    for (const std::size_t length : longest)
        widths.push_back(static_cast<int>(
            std::clamp<std::size_t>(length + kMargin, kNarrowestColumn, kWidestColumn)));
    return widths;
}

std::string_view cellFormat(const SheetCell& cell) {
    if (const auto* number = std::get_if<SheetNumber>(&cell))
        return number->format;
    if (std::holds_alternative<Date>(cell))
        return kSheetDateFormat;
    return {};
}

std::vector<std::string> sheetNumberFormats(const Sheet& sheet) {
    std::vector<std::string> formats;
    const auto note = [&](const SheetCell& cell) {
        const std::string_view format = cellFormat(cell);
        if (!format.empty() && std::find(formats.begin(), formats.end(), format) == formats.end())
            formats.emplace_back(format);
    };
    for (const std::vector<SheetCell>& row : sheet.rows)
        std::for_each(row.begin(), row.end(), note);
    std::for_each(sheet.totals.begin(), sheet.totals.end(), note);
    return formats;
}

std::string sheetHeading(std::string_view personName, std::optional<Date> birthDate,
                         std::string_view what, Date exportDay) {
    std::string heading(personName);
    if (birthDate) {
        if (!heading.empty())
            heading += ", ";
        heading += formatDate(*birthDate) + messages::kSheetBornSuffix;
    }
    if (!heading.empty())
        heading += " — ";
    heading += what;
    heading += messages::kSheetExportedOn;
    heading += formatDate(exportDay);
    return heading;
}

} // namespace rv

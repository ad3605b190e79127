#pragma once

#include "export/sheet.h"

#include <filesystem>

namespace rv {

// Writes the sheet as an Office Open XML workbook of one worksheet (.xlsx) with libxlsxwriter:
// heading, titles, rows and totals as BiffWriter's stream has them, numbers and dates with
// their number formats, the columns as wide as sheetColumnWidths says. The workbook is made in
// a private folder and its bytes then replace `path` atomically; throws
// std::filesystem::filesystem_error on failure.
void saveXlsxFile(const std::filesystem::path& path, const Sheet& sheet);

} // namespace rv

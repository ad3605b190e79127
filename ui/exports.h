#pragma once

#include "export/sheet.h"

#include <QString>

#include <functional>
#include <map>
#include <string>

namespace rv {

class DataGrid;
class Table;

// What an export writes around the grid's rows: the heading above the column titles and the
// totals under the columns, each total under the column that shows its field.
struct ExportFrame {
    std::string heading{};                                  // empty: no heading row
    std::map<std::string, SheetCell, std::less<>> totals{}; // empty: no totals row
};

// One export of the window: the file name's suffix, the filter of the rows it takes (none:
// all), the heading's word for what the sheet holds, and the totals of the rows taken, which
// the core computes from the table while the filter is in force.
struct GridExportRequest {
    const char* nameSuffix = "";
    const char* filter = nullptr;
    const char* what = "";
    std::function<std::map<std::string, SheetCell, std::less<>>(Table&)> totals{};
};

// Writes what the grid shows as a worksheet: the frame's heading, a title row when the grid
// shows titles, then every row of the grid's table from the first to the last (in the table's
// order, its filter in force), one cell per visible column in display order, then the totals
// row ("Разом" and the frame's totals), or the footer's texts when the grid shows its footer and
// the frame has no totals. Cells by the column's field: none or null → empty; integer →
// integer; float → number in the cell's display format; date → date; text → the text. A path
// ending in ".xlsx" gets an Office Open XML workbook, any other an Excel 4.0 worksheet (.xls).
// The file is written atomically; the table is left on its last row. Throws std::exception on
// failure.
void ExportGridToXls(DataGrid& grid, const QString& path, const ExportFrame& frame = {});

} // namespace rv

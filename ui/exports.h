#pragma once

#include <QString>

namespace rv {

class DataGrid;

// Writes what the grid shows as an Excel worksheet (BIFF records, no container): a title row when
// the grid shows titles, then every row of the grid's table from the first to the last (in the
// table's order, its filter in force), one cell per visible column in display order, then the
// footer row when it is shown. Cells by the column's field: none or null → BLANK; integer → RK;
// float → NUMBER; anything else → LABEL with the text the grid shows. The file is written
// atomically; the table is left on its last row. A path ending in ".xlsx" gets the same cells as
// an Office Open XML workbook instead. Throws std::exception on failure.
void ExportGridToXls(DataGrid& grid, const QString& path);

} // namespace rv

// The spreadsheet exports of the experience and earnings grids and the earnings dump.

#include "exports.h"

#include "captions.h"
#include "data_grid.h"
#include "display_format.h"
#include "earnings_tab.h"
#include "experience_tab.h"
#include "footer_bar.h"
#include "prompt.h"
#include "store/biff_writer.h"
#include "store/earnings_dump.h"
#include "store/xlsx_writer.h"
#include "uMain.h"

#include <QHeaderView>
#include <QTableView>

#include "calc/ledger_summary.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace rv {

namespace {

// The logical columns the grid shows, in display order.
std::vector<int> visibleColumns(const QTableView& view) {
    const QHeaderView& header = *view.horizontalHeader();
    std::vector<int> columns;
    for (int visual = 0; visual < header.count(); ++visual) {
        const int logical = header.logicalIndex(visual);
        if (!header.isSectionHidden(logical))
            columns.push_back(logical);
    }
    return columns;
}

template <typename Sheet> void writeCell(Sheet& sheet, const TableModel& model, int column) {
    const GridColumn& gridColumn = model.column(column);
    if (gridColumn.field.empty()) {
        sheet.blank();
        return;
    }
    const Table& table = model.table();
    const Value value = table.value(model.fieldPosition(column));
    // Looked-up month names arrive as texts, so they are written as the grid shows them.
    if (isEmpty(value))
        sheet.blank();
    else if (const auto* integer = std::get_if<std::int32_t>(&value))
        sheet.integer(*integer);
    else if (const auto* real = std::get_if<double>(&value))
        sheet.number(*real);
    else
        sheet.label(displayText(value, gridColumn.displayFormat).toStdString());
}

// The grid and its table as they were before an export: the current row, the footer, the
// display and (for the earnings) the filter come back on every way out.
class GridExportScope {
public:
    GridExportScope(DataGrid& grid, const char* filter)
        : m_grid(grid), m_table(grid.model()->table()), m_recNo(m_table.recNo()),
          m_footerShown(!grid.footer()->isHidden()), m_filter(m_table.filter()),
          m_filtered(m_table.filtered()), m_ownFilter(filter != nullptr) {
        m_grid.setFooterVisible(false);
        m_table.suspendBoundViews();
        if (m_ownFilter) {
            m_table.setFilter(filter);
            m_table.setFiltered(true);
        }
    }
    ~GridExportScope() {
        if (m_ownFilter) {
            m_table.setFiltered(false);
            m_table.setFilter(m_filter);
            m_table.setFiltered(m_filtered);
        }
        if (m_recNo > 0)
            m_table.setRecNo(m_recNo);
        m_table.resumeBoundViews();
        m_grid.setFooterVisible(m_footerShown);
    }
    GridExportScope(const GridExportScope&) = delete;
    GridExportScope& operator=(const GridExportScope&) = delete;

private:
    DataGrid& m_grid;
    Table& m_table;
    int m_recNo;
    bool m_footerShown;
    std::string m_filter;
    bool m_filtered;
    bool m_ownFilter;
};

} // namespace

namespace {

// The grid's title row, its rows and its footer into a BiffWriter or an XlsxWriter.
template <typename Sheet> void writeGrid(DataGrid& grid, Sheet& sheet) {
    const TableModel& model = *grid.model();
    Table& table = model.table();
    const std::vector<int> columns = visibleColumns(*grid.view());
    BoundViewsSuspension suspension(table);
    if (!grid.view()->horizontalHeader()->isHidden()) {
        for (const int column : columns)
            sheet.label(model.headerData(column, Qt::Horizontal).toString().toStdString());
        sheet.endRow();
    }
    for (table.first(); !table.eof(); table.next()) {
        for (const int column : columns)
            writeCell(sheet, model, column);
        sheet.endRow();
    }
    if (const FooterBar* footer = grid.footer(); !footer->isHidden()) {
        for (const int column : columns)
            sheet.label(footer->cellText(column).toStdString());
        sheet.endRow();
    }
}

} // namespace

void ExportGridToXls(DataGrid& grid, const QString& path) {
    const std::filesystem::path target(path.toStdU16String());
    if (path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) {
        XlsxWriter sheet;
        writeGrid(grid, sheet);
        sheet.save(target);
        return;
    }
    BiffWriter sheet;
    writeGrid(grid, sheet);
    saveBiffFile(target, sheet);
}

void TfrmMain::exportGrid(DataGrid& grid, const char* nameSuffix, const char* filter) {
    if (!m_dMain)
        return;
    if (!CaseFileName.isEmpty())
        sdExport.fileName = CaseFileName.chopped(std::min<qsizetype>(4, CaseFileName.size())) +
                            QString::fromUtf8(nameSuffix);
    const std::optional<QString> path = sdExport.execute(*m_prompt, FileRequest::Mode::Save);
    if (!path)
        return;

    // Whatever failed, the person learns only that the file was not written.
    const bool saved = [&] {
        try {
            GridExportScope scope(grid, filter);
            ExportGridToXls(grid, *path);
            return true;
        } catch (const std::exception&) {
            return false;
        }
    }();
    if (saved)
        m_prompt->information(QString::fromUtf8(captions::kFileSaved));
    else
        m_prompt->plain(QString::fromUtf8(captions::kXlsSaveFailed));
}

void TfrmMain::aPrintExpExecute() {
    exportGrid(*experienceTab->grdExp, captions::kExpExportSuffix, nullptr);
}

void TfrmMain::aPrintEarningExecute() {
    exportGrid(*earningsTab->grdEarning, captions::kEarningExportSuffix,
               kExportedLedgerMonthsFilter);
}

void TfrmMain::aSuperSaveExecute() {
    if (!m_dMain)
        return;
    try {
        saveEarningsDump(m_dMain->cdsEarning, defaultEarningsDumpPath(), decimalSeparator());
    } catch (const std::exception&) {
        m_prompt->plain(QString::fromUtf8(captions::kDumpSaveFailed));
        return;
    }
    m_prompt->plain(QString::fromUtf8(captions::kDumpSaved));
}

} // namespace rv

// The spreadsheet exports of the experience and earnings grids and the earnings dump.

#include "exports.h"

#include "captions.h"
#include "data_grid.h"
#include "display_format.h"
#include "earnings_tab.h"
#include "experience_tab.h"
#include "footer_bar.h"
#include "prompt.h"
#include "uMain.h"

#include "calc/calendar.h"
#include "store/ledger_summary.h"
#include "store/period_view.h"
#include "export/biff_writer.h"
#include "store/earnings_dump.h"
#include "engine/table_scopes.h"
#include "calc/messages.h"
#include "export/xlsx_writer.h"
#include "export/export_messages.h"

#include <QDate>
#include <QHeaderView>
#include <QTableView>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace rv {

namespace {

// The totals of the earnings: hryvnias and kopecks, up to five decimals for karbovanets
// converted; the coefficients' sum as their column shows each.
constexpr const char* kEarningsTotalFormat = "0.00###";
constexpr const char* kCoefficientsTotalFormat = "0.00###";

// The logical columns the grid shows and exports, in display order.
std::vector<int> exportedColumns(const QTableView& view, const TableModel& model) {
    const QHeaderView& header = *view.horizontalHeader();
    std::vector<int> columns;
    for (int visual = 0; visual < header.count(); ++visual) {
        const int logical = header.logicalIndex(visual);
        if (!header.isSectionHidden(logical) && model.column(logical).exported)
            columns.push_back(logical);
    }
    return columns;
}

// The cell of the current row in a column, as the grid shows it.
SheetCell gridCell(const TableModel& model, int column) {
    const GridColumn& gridColumn = model.column(column);
    if (gridColumn.field.empty())
        return {};
    const Table& table = model.table();
    const Value value = table.value(model.fieldPosition(column));
    // Looked-up month names arrive as texts, so they are written as the grid shows them.
    if (const auto* integer = std::get_if<std::int32_t>(&value))
        return *integer;
    if (const auto* real = std::get_if<double>(&value))
        return SheetNumber{*real, model.displayFormat(table.recNo() - 1, column).toStdString()};
    if (const auto* date = std::get_if<Date>(&value))
        return *date;
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    return {};
}

// The grid and its table as they were before an export: the current row, the footer, the
// display and (for the earnings) the filter come back on every way out, in reverse order of
// the members: the filter, then the cursor, then the views, then the footer.
class GridExportScope {
public:
    GridExportScope(DataGrid& grid, const char* filter)
        : m_footer(grid), m_views(grid.model()->table()), m_cursor(grid.model()->table()) {
        if (!filter)
            return;
        Table& table = grid.model()->table();
        m_filter.emplace(table);
        table.setFilter(filter);
        table.setFiltered(true);
    }

private:
    // Hides the grid's footer for the scope, if it was shown.
    class FooterHidden {
    public:
        explicit FooterHidden(DataGrid& grid) : m_grid(grid), m_shown(!grid.footer()->isHidden()) {
            m_grid.setFooterVisible(false);
        }
        ~FooterHidden() { m_grid.setFooterVisible(m_shown); }
        FooterHidden(const FooterHidden&) = delete;
        FooterHidden& operator=(const FooterHidden&) = delete;

    private:
        DataGrid& m_grid;
        bool m_shown;
    };

    FooterHidden m_footer;
    BoundViewsSuspension m_views;
    KeptCursor m_cursor;
    std::optional<FilterRestored> m_filter;
};

// The totals row: "Разом" in the first column, each total under the column of its field.
std::vector<SheetCell> totalsRow(const TableModel& model, const std::vector<int>& columns,
                                 const ExportFrame& frame) {
    std::vector<SheetCell> row;
    for (const int column : columns) {
        const auto total = frame.totals.find(model.column(column).field);
        if (total != frame.totals.end())
            row.push_back(total->second);
        else if (row.empty())
            row.emplace_back(std::string(messages::kSheetTotals));
        else
            row.emplace_back();
    }
    return row;
}

// The one description of the sheet both writers take.
Sheet gridSheet(DataGrid& grid, const ExportFrame& frame) {
    const TableModel& model = *grid.model();
    Table& table = model.table();
    const std::vector<int> columns = exportedColumns(*grid.view(), model);
    BoundViewsSuspension suspension(table);
    Sheet sheet;
    sheet.heading = frame.heading;
    if (!grid.view()->horizontalHeader()->isHidden())
        for (const int column : columns)
            sheet.titles.push_back(
                model.headerData(column, Qt::Horizontal).toString().toStdString());
    for (table.first(); !table.eof(); table.next()) {
        std::vector<SheetCell>& row = sheet.rows.emplace_back();
        for (const int column : columns)
            row.push_back(gridCell(model, column));
    }
    if (!frame.totals.empty())
        sheet.totals = totalsRow(model, columns, frame);
    else if (const FooterBar* footer = grid.footer(); !footer->isHidden())
        for (const int column : columns)
            sheet.totals.emplace_back(footer->cellText(column).toStdString());
    return sheet;
}

// Today in the user's local time.
Date today() {
    const QDate day = QDate::currentDate();
    return dateFromCivil(day.year(), day.month(), day.day());
}

} // namespace

void ExportGridToXls(DataGrid& grid, const QString& path, const ExportFrame& frame) {
    const std::filesystem::path target(path.toStdU16String());
    const Sheet sheet = gridSheet(grid, frame);
    if (path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        saveXlsxFile(target, sheet);
    else
        saveBiffFile(target, sheet);
}

void TfrmMain::exportGrid(DataGrid& grid, const GridExportRequest& request) {
    if (!m_dMain)
        return;
    if (!CaseFileName.isEmpty())
        sdExport.fileName = CaseFileName.chopped(std::min<qsizetype>(4, CaseFileName.size())) +
                            QString::fromUtf8(request.nameSuffix);
    const std::optional<QString> path = sdExport.execute(*m_prompt, FileRequest::Mode::Save);
    if (!path)
        return;

    // Whatever failed, the person learns only that the file was not written.
    const bool saved = [&] {
        try {
            const Table& person = m_dMain->cdsPerson;
            ExportFrame frame{.heading = sheetHeading(person.asText("person_name"),
                                                      person.asDate("person_birthdate"),
                                                      request.what, today())};
            GridExportScope scope(grid, request.filter);
            if (request.totals)
                frame.totals = request.totals(grid.model()->table());
            ExportGridToXls(grid, *path, frame);
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
    exportGrid(*experienceTab->grdExp,
               {.nameSuffix = captions::kExpExportSuffix,
                .what = messages::kSheetOfExperience,
                .totals = [](Table& periods) {
                    return std::map<std::string, SheetCell, std::less<>>{
                        {"exp_day_str", lengthText(experienceTotal(periods))}};
                }});
}

void TfrmMain::aPrintEarningExecute() {
    exportGrid(*earningsTab->grdEarning,
               {.nameSuffix = captions::kEarningExportSuffix,
                .filter = kExportedLedgerMonthsFilter,
                .what = messages::kSheetOfEarnings,
                .totals = [](Table& ledger) {
                    const LedgerSums sums = sumLedger(ledger);
                    return std::map<std::string, SheetCell, std::less<>>{
                        {"earning_payment", SheetNumber{sums.earnings, kEarningsTotalFormat}},
                        {"earning_k", SheetNumber{sums.coefficients, kCoefficientsTotalFormat}}};
                }});
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

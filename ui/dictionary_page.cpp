#include "dictionary_page.h"

#include "calc/reference_provenance.h"
#include "captions.h"
#include "data_grid.h"
#include "engine/errors.h"
#include "page_control.h"
#include "prompt.h"
#include "store/dmMain.h"
#include "protect/source_flags.h"
#include "table_model.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>
#include <optional>

namespace rv {

namespace {

constexpr int kDateColumnWidth = 140;
constexpr int kValueColumnWidth = 260;
constexpr int kParameterNameWidth = 443;
constexpr int kParameterValueWidth = 160;
constexpr Qt::Alignment kNumberAlignment = Qt::AlignRight | Qt::AlignVCenter;

const char* const kPageNames[DictionaryPage::kGridCount] = {"tsDict1",     "tsDict2", "tsDict3",
                                                            "tsDict4",     "tsDict5", "tsParam",
                                                            "tsMaxIncome", "tsLaw",   "tsWomenAge"};
const char* const kCaptions[DictionaryPage::kGridCount] = {
    captions::kDictAvgZpMonth, captions::kDictAvgZpYear, captions::kDictMinZp,
    captions::kDictKoeff,      captions::kDictMinPens,   captions::kDictParam,
    captions::kDictMaxIncome,  captions::kDictLaw,       captions::kDictWomenAge};

// Begin and end dates centred in fixed columns, then the value.
std::vector<GridColumn> datedColumns(const std::string& prefix, const char* valueTitle,
                                     const char* displayFormat) {
    GridColumn begin{.field = prefix + "_date_begin", .title = captions::kDateBeginTitle};
    GridColumn end{.field = prefix + "_date_end", .title = captions::kDateEndTitle};
    for (GridColumn* date : {&begin, &end}) {
        date->alignment = Qt::AlignCenter;
        date->width = kDateColumnWidth;
        date->fixedWidth = true;
    }
    GridColumn value{.field = prefix + "_value",
                     .title = valueTitle ? QString::fromUtf8(valueTitle) : QString(),
                     .displayFormat = displayFormat};
    value.alignment = kNumberAlignment;
    value.width = kValueColumnWidth;
    return {begin, end, value};
}

constexpr int kFlagsColumnWidth = 180;
constexpr int kSourceColumnWidth = 700;
const QColor kEstimatedRow(255, 240, 192);

// A dated table's columns and, after them, its rows' flags and source (no field: the model's
// cell hook fills them).
std::vector<GridColumn> withProvenance(std::vector<GridColumn> columns) {
    columns.push_back(GridColumn{.title = captions::kFlagsTitle, .width = kFlagsColumnWidth});
    columns.push_back(GridColumn{.title = captions::kSourceTitle, .width = kSourceColumnWidth});
    return columns;
}

// The grids of the dated tables with their CSV files and the field that keys a timeline.
struct DatedGrid {
    int index;
    const char* fileName;
    const char* beginField;
    const char* keyField; // empty: one timeline
};
constexpr DatedGrid kDatedGrids[] = {
    {0, "AvgZpMonth.csv", "azm_date_begin", ""}, {1, "AvgZpYear.csv", "azy_date_begin", ""},
    {2, "MinZP.csv", "mz_date_begin", ""},       {3, "Koeff.csv", "k_date_begin", "k_type"},
    {4, "MinPens.csv", "mp_date_begin", ""},     {6, "MaxIncome.csv", "mi_date_begin", ""},
};

std::vector<GridColumn> parameterColumns() {
    return {GridColumn{.field = "p_name", .width = kParameterNameWidth},
            GridColumn{.field = "p_val",
                       .title = captions::kParamValueTitle,
                       .width = kParameterValueWidth}};
}

// The law's rules: what, from when, the value, where it is written and how sure; the long texts
// show whole in a cell's tooltip.
std::vector<GridColumn> lawRuleColumns() {
    std::vector<GridColumn> columns = {
        GridColumn{.field = "lr_rule_id", .width = 230},
        GridColumn{.field = "lr_date_begin", .alignment = Qt::AlignCenter, .width = 100},
        GridColumn{.field = "lr_date_end", .alignment = Qt::AlignCenter, .width = 100},
        GridColumn{.field = "lr_value", .width = 110},
        GridColumn{.field = "lr_article", .width = 150},
        GridColumn{.field = "lr_confidence", .width = 110},
        GridColumn{.field = "lr_quote", .width = 420},
        GridColumn{.field = "lr_source", .width = 420},
        GridColumn{.field = "lr_act", .width = 300},
        GridColumn{.field = "lr_unit", .width = 200}};
    return columns;
}

std::vector<GridColumn> womenAgeColumns() {
    return {GridColumn{.field = "wa_birth_date_begin", .alignment = Qt::AlignCenter, .width = 140},
            GridColumn{.field = "wa_birth_date_end", .alignment = Qt::AlignCenter, .width = 140},
            GridColumn{.field = "wa_age_years", .alignment = kNumberAlignment, .width = 100},
            GridColumn{.field = "wa_age_months", .alignment = kNumberAlignment, .width = 100},
            GridColumn{.field = "wa_source", .width = 600}};
}

} // namespace

DictionaryPage::DictionaryPage(Prompt& prompt, QWidget* parent)
    : QWidget(parent), m_pages(new PageControl(this)), m_prompt(prompt) {
    m_pages->setObjectName(QStringLiteral("pcDict"));
    m_pages->setMultiLine(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_pages);
    for (int i = 0; i < kGridCount; ++i) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(kPageNames[i]));
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->setContentsMargins(2, 2, 2, 2);
        auto* grid = new DataGrid(prompt, page);
        grid->setReadOnly(true);
        // Numbers stay next to their dates rather than at the far edge of a wide window.
        grid->view()->horizontalHeader()->setStretchLastSection(false);
        pageLayout->addWidget(grid);
        m_grids[static_cast<std::size_t>(i)] = grid;
        m_pages->addPage(page, QString::fromUtf8(kCaptions[i]));
    }
    m_showSources = new QCheckBox(QString::fromUtf8(captions::kShowSources), this);
    m_showSources->setObjectName(QStringLiteral("cbShowSources"));
    auto* legend = new QLabel(QString::fromUtf8(captions::kSourcesLegend), this);
    legend->setObjectName(QStringLiteral("lSourcesLegend"));
    legend->setWordWrap(true);
    layout->addWidget(m_showSources, 0, Qt::AlignLeft);
    layout->addWidget(legend);
    connect(m_showSources, &QCheckBox::toggled, this, &DictionaryPage::setSourcesShown);
}

void DictionaryPage::showProvenance(int gridIndex, const char* fileName,
                                    const std::string& beginField, const std::string& keyField) {
    TableModel* model = grid(gridIndex)->model();
    Table& table = model->table();
    const int begin = table.fieldIndex(beginField);
    const int key = keyField.empty() ? -1 : table.fieldIndex(keyField);
    const int flagsColumn = model->columnCount() - 2;
    const int sourceColumn = model->columnCount() - 1;
    // Read from the embedded text the first time a cell asks.
    auto rows = std::make_shared<std::optional<std::vector<SourcedRow>>>();
    model->setCellHook([&table, rows, fileName, begin, key, flagsColumn,
                        sourceColumn](int row, int column, int role) -> QVariant {
        if (!*rows)
            *rows = referenceProvenance(fileName);
        const Value beginValue = table.viewValue(row, begin);
        const Date* day = std::get_if<Date>(&beginValue);
        const Value keyValue = key < 0 ? Value{} : table.viewValue(row, key);
        const auto* keyText = std::get_if<std::string>(&keyValue); // the type of cdsKoeff
        const SourcedRow* sourced =
            day ? sourcedRowOn(**rows, *day, keyText ? *keyText : std::string()) : nullptr;
        if (!sourced)
            return {};
        const QString flags = QString::fromStdString(sourceFlagsText(sourced->flags));
        const QString source = QString::fromStdString(std::string(sourced->source));
        const bool estimated = sourced->flags & kEstimatedFigureFlags;
        switch (role) {
        case Qt::DisplayRole:
            if (column == flagsColumn)
                return flags;
            if (column == sourceColumn)
                return source;
            return {};
        case Qt::ToolTipRole:
            return QStringLiteral("<p>") +
                   (flags.isEmpty() ? QString()
                                    : QStringLiteral("<b>") + flags.toHtmlEscaped() +
                                          QStringLiteral("</b><br>")) +
                   source.toHtmlEscaped() + QStringLiteral("</p>");
        case Qt::BackgroundRole:
            return estimated ? QVariant(QBrush(kEstimatedRow)) : QVariant();
        case Qt::ForegroundRole:
            return estimated ? QVariant(QBrush(Qt::black)) : QVariant();
        default:
            return {};
        }
    });
    grid(gridIndex)->view()->setColumnHidden(sourceColumn, !m_showSources->isChecked());
}

void DictionaryPage::setSourcesShown(bool shown) {
    for (const DatedGrid& dated : kDatedGrids) {
        TableModel* model = grid(dated.index)->model();
        if (model)
            grid(dated.index)->view()->setColumnHidden(model->columnCount() - 1, !shown);
    }
}

void DictionaryPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_dMain)
        return;
    try {
        m_dMain->LoadLawTables();
    } catch (const UserError& refusal) {
        m_prompt.error(std::string(refusal.what()));
    }
}

void DictionaryPage::bind(TdMain& dMain) {
    m_dMain = &dMain;
    grid(0)->setTable(dMain.cdsAvgZpMonth,
                      withProvenance(datedColumns("azm", captions::kAvgZpTitle, "0.00###")));
    grid(1)->setTable(dMain.cdsAvgZpYear,
                      withProvenance(datedColumns("azy", captions::kAvgZpTitle, "0.00")));
    grid(2)->setTable(dMain.cdsMinZP,
                      withProvenance(datedColumns("mz", captions::kMinZpTitle, "0.00")));
    grid(3)->setTable(dMain.cdsKoeff, withProvenance(datedColumns("k", nullptr, "")));
    grid(4)->setTable(dMain.cdsMinPens, withProvenance(datedColumns("mp", nullptr, "0.00")));
    grid(5)->setTable(dMain.cdsParam, parameterColumns());
    grid(5)->model()->setCellToolTips(true);
    grid(6)->setTable(dMain.cdsMaxIncome,
                      withProvenance(datedColumns("mi", captions::kMaxIncomeTitle, "")));
    grid(7)->setTable(dMain.cdsLawRules, lawRuleColumns());
    grid(7)->model()->setCellToolTips(true);
    grid(8)->setTable(dMain.cdsWomenAge, womenAgeColumns());
    grid(8)->model()->setCellToolTips(true);
    for (const DatedGrid& dated : kDatedGrids)
        showProvenance(dated.index, dated.fileName, dated.beginField, dated.keyField);
}

} // namespace rv

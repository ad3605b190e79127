#include "dictionary_page.h"

#include "captions.h"
#include "data_grid.h"
#include "page_control.h"
#include "store/dmMain.h"

#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

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
    : QWidget(parent), m_pages(new PageControl(this)) {
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
}

void DictionaryPage::bind(TdMain& dMain) {
    grid(0)->setTable(dMain.cdsAvgZpMonth, datedColumns("azm", captions::kAvgZpTitle, "0.00###"));
    grid(1)->setTable(dMain.cdsAvgZpYear, datedColumns("azy", captions::kAvgZpTitle, "0.00"));
    grid(2)->setTable(dMain.cdsMinZP, datedColumns("mz", captions::kMinZpTitle, "0.00"));
    grid(3)->setTable(dMain.cdsKoeff, datedColumns("k", nullptr, ""));
    grid(4)->setTable(dMain.cdsMinPens, datedColumns("mp", nullptr, "0.00"));
    grid(5)->setTable(dMain.cdsParam, parameterColumns());
    grid(5)->model()->setCellToolTips(true);
    grid(6)->setTable(dMain.cdsMaxIncome, datedColumns("mi", captions::kMaxIncomeTitle, ""));
    grid(7)->setTable(dMain.cdsLawRules, lawRuleColumns());
    grid(7)->model()->setCellToolTips(true);
    grid(8)->setTable(dMain.cdsWomenAge, womenAgeColumns());
    grid(8)->model()->setCellToolTips(true);
}

} // namespace rv

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

const char* const kPageNames[DictionaryPage::kGridCount] = {
    "tsDict1", "tsDict2", "tsDict3", "tsDict4", "tsDict5", "tsParam", "tsMaxIncome"};
const char* const kCaptions[DictionaryPage::kGridCount] = {
    captions::kDictAvgZpMonth, captions::kDictAvgZpYear, captions::kDictMinZp,
    captions::kDictKoeff,      captions::kDictMinPens,   captions::kDictParam,
    captions::kDictMaxIncome};

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
}

} // namespace rv

#include "scenario_panel.h"

#include "store/dm_calculation.h"

#include "calc/amount_text.h"
#include "contrast.h"
#include "date_edit.h"
#include "display_format.h"
#include "scenario_captions.h"
#include "scenario_rows.h"
#include "engine/errors.h"
#include "calc/number_format.h"
#include "totals_chart_view.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace rv {

namespace {

constexpr int kDefaultMonths = 24;
constexpr int kVisibleTableRows = 6; // the table's height before it scrolls
const QColor kRefusalInk(176, 0, 32);

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The same day a year later (28 February for 29 February).
Date yearLater(Date date) {
    const CivilDate civil = civilFromDate(date);
    return dateFromCivil(civil.year + 1, civil.month,
                         std::min(civil.day, daysInMonth(civil.year + 1, civil.month)));
}

} // namespace

ScenarioPanel::ScenarioPanel(QWidget* parent)
    : QGroupBox(text(captions::kScenarioPanel), parent),
      lScenarioIntro(named(new QLabel(text(captions::kScenarioIntro), this), "lScenarioIntro")),
      cbScenarioKind(named(new QComboBox(this), "cbScenarioKind")),
      lMonths(new QLabel(text(captions::kScenarioMonthsCaption), this)),
      sbMonths(named(new QSpinBox(this), "sbMonths")),
      slMonths(named(new QSlider(Qt::Horizontal, this), "slMonths")),
      lMonthsText(named(new QLabel(this), "lMonthsText")),
      lWage(new QLabel(text(captions::kScenarioWageCaption), this)),
      rbWageAsNow(named(new QRadioButton(text(captions::kScenarioWageAsNow), this), "rbWageAsNow")),
      rbWageAmount(
          named(new QRadioButton(text(captions::kScenarioWageAmount), this), "rbWageAmount")),
      edtWage(named(new QLineEdit(this), "edtWage")),
      lScenarioDate(new QLabel(text(captions::kScenarioDateCaption), this)),
      dtScenarioDate(named(new DateEdit(this), "dtScenarioDate")),
      lScenarioNote(named(new QLabel(this), "lScenarioNote")),
      bbAddScenario(named(new QPushButton(text(captions::kAddScenario), this), "bbAddScenario")),
      bbRemoveScenario(
          named(new QPushButton(text(captions::kRemoveScenario), this), "bbRemoveScenario")),
      tblScenarios(named(new QTableWidget(0, ScenarioColumnCount, this), "tblScenarios")),
      lEarliestRight(named(new QLabel(this), "lEarliestRight")),
      lScenarioAssumptions(
          named(new QLabel(text(captions::kScenarioAssumptions), this), "lScenarioAssumptions")),
      chTotals(new TotalsChartView(this)) {
    setObjectName(QStringLiteral("gbScenarios"));
    for (const char* kind : captions::kScenarioKinds)
        cbScenarioKind->addItem(text(kind));
    cbScenarioKind->setItemData(VoluntaryKind, text(captions::kScenarioVoluntaryNote),
                                Qt::ToolTipRole);
    slMonths->setRange(1, kMostScenarioMonths);
    sbMonths->setRange(1, kMostScenarioMonths);
    sbMonths->setSuffix(text(captions::kMonthsShort));
    sbMonths->setValue(kDefaultMonths);
    slMonths->setValue(kDefaultMonths);
    slMonths->setPageStep(12);
    slMonths->setMinimumWidth(240);
    lMonthsText->setText(monthsLengthText(kDefaultMonths));
    lMonthsText->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("40 р. 11 міс.")));
    auto* wageChoice = new QButtonGroup(this);
    wageChoice->addButton(rbWageAsNow);
    wageChoice->addButton(rbWageAmount);
    rbWageAsNow->setChecked(true);
    edtWage->setMaximumWidth(140);
    edtWage->setPlaceholderText(QString::fromStdString(formatFixed(15000, 2, decimalSeparator())));
    // Word-wrapped, each at the height fitWrappedTexts gives it rather than by height for width,
    // which the tab's scroll area does not follow.
    for (QLabel* label : {lScenarioIntro, lScenarioNote, lEarliestRight, lScenarioAssumptions}) {
        label->setWordWrap(true);
        QSizePolicy policy = label->sizePolicy();
        policy.setHeightForWidth(false);
        label->setSizePolicy(policy);
    }
    bbAddScenario->setToolTip(text(captions::kAddScenarioHint));
    bbRemoveScenario->setEnabled(false);

    tblScenarios->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblScenarios->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblScenarios->setSelectionMode(QAbstractItemView::SingleSelection);
    tblScenarios->verticalHeader()->hide();
    tblScenarios->setWordWrap(false);
    for (int column = 0; column < ScenarioColumnCount; ++column) {
        auto* title = new QTableWidgetItem(text(captions::kScenarioColumns[column]));
        title->setToolTip(text(captions::kScenarioColumnHints[column]));
        tblScenarios->setHorizontalHeaderItem(column, title);
    }
    QHeaderView* titles = tblScenarios->horizontalHeader();
    titles->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblScenarios->setMinimumHeight(titles->sizeHint().height() +
                                   kVisibleTableRows *
                                       tblScenarios->verticalHeader()->defaultSectionSize() +
                                   2 * tblScenarios->frameWidth());

    auto* controls = new QGridLayout;
    int row = 0;
    controls->addWidget(new QLabel(text(captions::kScenarioKindCaption), this), row, 0);
    controls->addWidget(cbScenarioKind, row++, 1, 1, 3, Qt::AlignLeft);
    controls->addWidget(lMonths, row, 0);
    controls->addWidget(sbMonths, row, 1);
    controls->addWidget(slMonths, row, 2);
    controls->addWidget(lMonthsText, row++, 3);
    controls->addWidget(lWage, row, 0);
    auto* wage = new QHBoxLayout;
    wage->addWidget(rbWageAsNow);
    wage->addSpacing(12);
    wage->addWidget(rbWageAmount);
    wage->addWidget(edtWage);
    wage->addStretch(1);
    controls->addLayout(wage, row++, 1, 1, 3);
    controls->addWidget(lScenarioDate, row, 0);
    controls->addWidget(dtScenarioDate, row++, 1, 1, 3, Qt::AlignLeft);
    controls->addWidget(lScenarioNote, row++, 0, 1, 5);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bbAddScenario);
    buttons->addWidget(bbRemoveScenario);
    buttons->addStretch(1);
    controls->addLayout(buttons, row++, 0, 1, 5);
    controls->setColumnStretch(4, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lScenarioIntro);
    layout->addLayout(controls);
    layout->addWidget(lEarliestRight);
    layout->addWidget(tblScenarios);
    layout->addWidget(lScenarioAssumptions);
    layout->addWidget(chTotals);

    // Another kind is another variant: the controls leave the selected one and describe the next.
    connect(cbScenarioKind, &QComboBox::currentIndexChanged, this, [this] {
        tblScenarios->clearSelection();
        showKindControls();
        changeFromControls();
        showNote();
    });
    connect(slMonths, &QSlider::valueChanged, sbMonths, &QSpinBox::setValue);
    connect(sbMonths, &QSpinBox::valueChanged, this, [this](int months) {
        const QSignalBlocker quiet(slMonths);
        slMonths->setValue(months);
        lMonthsText->setText(monthsLengthText(months));
        controlsEdited();
    });
    connect(rbWageAmount, &QRadioButton::toggled, this, [this] { controlsEdited(); });
    connect(edtWage, &QLineEdit::textEdited, this, [this] {
        if (rbWageAmount->isChecked())
            controlsEdited();
        else
            rbWageAmount->setChecked(true); // which recalculates
    });
    connect(dtScenarioDate, &DateEdit::edited, this, [this] { controlsEdited(); });
    connect(bbAddScenario, &QPushButton::clicked, this, [this] { addScenario(); });
    connect(bbRemoveScenario, &QPushButton::clicked, this, [this] { removeScenario(); });
    connect(tblScenarios, &QTableWidget::itemSelectionChanged, this,
            [this] { selectionChanged(); });

    showKindControls();
    clear();
}

ScenarioPanel::~ScenarioPanel() = default;

void ScenarioPanel::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    fitWrappedTexts();
}

void ScenarioPanel::fitWrappedTexts() {
    // Each of them spans the panel's width inside its margins.
    const QMargins margins = layout()->contentsMargins();
    const int width = contentsRect().width() - margins.left() - margins.right();
    for (QLabel* label : {lScenarioIntro, lScenarioNote, lEarliestRight, lScenarioAssumptions}) {
        label->setMinimumHeight(0); // a label's height for a width is never below its minimum
        label->setFixedHeight(std::max(0, label->heightForWidth(width))); // -1: no text
    }
}

void ScenarioPanel::setCase(TdMain& openCase, const CalculationResult& today,
                            Date applicationDate) {
    clear();
    m_applicationDate = applicationDate;
    try {
        m_runner = std::make_unique<ScenarioRunner>(openCaseScenarios(openCase, today, applicationDate));
        if (!m_runner->today().right)
            m_earliestRight = m_runner->earliestRight();
        chTotals->setTotals(m_runner->totalsByApplicationDate(kChartMonths, kChartStepMonths));
    } catch (const UserError& refusal) {
        m_runner.reset();
        lEarliestRight->setText(QString::fromUtf8(refusal.what()));
        return;
    }
    if (dtScenarioDate->isBlank())
        dtScenarioDate->setDate(yearLater(applicationDate));
    if (m_runner->today().right) {
        lEarliestRight->hide();
    } else {
        const char separator = decimalSeparator();
        lEarliestRight->setText(
            m_earliestRight ? text(captions::kEarliestRightLine)
                                  .arg(QString::fromStdString(formatDate(m_earliestRight->date)),
                                       QString::fromStdString(formatFixed(
                                           m_earliestRight->figures.total, 2, separator)))
                            : text(captions::kNoEarliestRightLine));
        lEarliestRight->show();
    }
    m_firstScenarioRow = m_earliestRight ? 2 : 1;
    setEnabled(true);
    recalculate();
    showNote();
}

void ScenarioPanel::clear() {
    m_runner.reset();
    m_earliestRight.reset();
    tblScenarios->setRowCount(0);
    chTotals->setTotals({});
    lEarliestRight->setText(text(captions::kScenariosBeforeCalculation));
    lEarliestRight->show();
    bbRemoveScenario->setEnabled(false);
    setEnabled(false);
    fitWrappedTexts();
}

void ScenarioPanel::clearVariants() {
    m_scenarios.clear();
    clear();
}

ScenarioPanel::Kind ScenarioPanel::kind() const {
    return static_cast<Kind>(cbScenarioKind->currentIndex());
}

void ScenarioPanel::showKindControls() {
    const Kind shown = kind();
    for (QWidget* months :
         std::initializer_list<QWidget*>{lMonths, sbMonths, slMonths, lMonthsText})
        months->setVisible(shown != ApplyOnKind);
    for (QWidget* wage : std::initializer_list<QWidget*>{lWage, rbWageAsNow, rbWageAmount, edtWage})
        wage->setVisible(shown == WorkLongerKind);
    lScenarioDate->setVisible(shown == ApplyOnKind);
    dtScenarioDate->setVisible(shown == ApplyOnKind);
}

std::optional<ScenarioChange> ScenarioPanel::changeFromControls() {
    m_refusal.clear();
    switch (kind()) {
    case WorkLongerKind: {
        WorkLonger work{sbMonths->value(), std::nullopt};
        if (rbWageAmount->isChecked()) {
            const AmountReading wage = readAmount(edtWage->text().toStdString());
            if (!wage.refusal.empty())
                m_refusal =
                    text(captions::kScenarioWageRefused) + QString::fromStdString(wage.refusal);
            else if (wage.amount <= 0)
                m_refusal = text(captions::kScenarioWageNotPositive);
            else
                work.monthlyWage = wage.amount;
        }
        if (!m_refusal.isEmpty())
            return std::nullopt;
        return work;
    }
    case ApplyOnKind:
        if (const std::optional<Date> date = dtScenarioDate->date())
            return ApplyOn{*date};
        m_refusal = text(captions::kScenarioDateRefused);
        return std::nullopt;
    case VoluntaryKind:
        return VoluntaryContributions{sbMonths->value()};
    }
    return std::nullopt;
}

void ScenarioPanel::showChangeInControls(const ScenarioChange& change) {
    const QSignalBlocker quietKind(cbScenarioKind);
    const QSignalBlocker quietMonths(sbMonths);
    const QSignalBlocker quietSlider(slMonths);
    const QSignalBlocker quietWage(rbWageAmount);
    int months = sbMonths->value();
    if (const auto* work = std::get_if<WorkLonger>(&change)) {
        cbScenarioKind->setCurrentIndex(WorkLongerKind);
        months = work->months;
        (work->monthlyWage ? rbWageAmount : rbWageAsNow)->setChecked(true);
        if (work->monthlyWage)
            edtWage->setText(
                QString::fromStdString(formatFixed(*work->monthlyWage, 2, decimalSeparator())));
    } else if (const auto* apply = std::get_if<ApplyOn>(&change)) {
        cbScenarioKind->setCurrentIndex(ApplyOnKind);
        dtScenarioDate->setDate(apply->date);
    } else {
        cbScenarioKind->setCurrentIndex(VoluntaryKind);
        months = std::get<VoluntaryContributions>(change).months;
    }
    sbMonths->setValue(months);
    slMonths->setValue(months);
    lMonthsText->setText(monthsLengthText(months));
    showKindControls();
}

std::optional<std::size_t> ScenarioPanel::selectedScenario() const {
    const QList<QTableWidgetSelectionRange> ranges = tblScenarios->selectedRanges();
    if (ranges.isEmpty())
        return std::nullopt;
    const int row = ranges.first().topRow();
    if (row < m_firstScenarioRow || row - m_firstScenarioRow >= int(m_scenarios.size()))
        return std::nullopt;
    return std::size_t(row - m_firstScenarioRow);
}

void ScenarioPanel::selectScenario(std::size_t index) {
    tblScenarios->selectRow(rowOfScenario(index));
}

void ScenarioPanel::controlsEdited() {
    const std::optional<ScenarioChange> change = changeFromControls();
    showNote();
    const std::optional<std::size_t> selected = selectedScenario();
    if (!change || !selected)
        return;
    Scenario& scenario = m_scenarios[*selected];
    scenario.change = *change;
    scenario.name = scenarioName(*change, decimalSeparator()).toStdString();
    recalculate();
}

void ScenarioPanel::addScenario() {
    const std::optional<ScenarioChange> change = changeFromControls();
    showNote();
    if (!change)
        return;
    m_scenarios.push_back({scenarioName(*change, decimalSeparator()).toStdString(), *change});
    recalculate();
    selectScenario(m_scenarios.size() - 1);
}

void ScenarioPanel::removeScenario() {
    const std::optional<std::size_t> selected = selectedScenario();
    if (!selected)
        return;
    m_scenarios.erase(m_scenarios.begin() + std::ptrdiff_t(*selected));
    recalculate();
    if (!m_scenarios.empty())
        selectScenario(std::min(*selected, m_scenarios.size() - 1));
}

void ScenarioPanel::selectionChanged() {
    const std::optional<std::size_t> selected = selectedScenario();
    bbRemoveScenario->setEnabled(selected.has_value());
    if (selected)
        showChangeInControls(m_scenarios[*selected].change);
    changeFromControls();
    showNote();
}

void ScenarioPanel::recalculate() {
    if (!m_runner)
        return;
    const char separator = decimalSeparator();
    std::vector<QStringList> rows{todayRow(m_runner->today(), separator)};
    std::vector<bool> best{false};
    if (m_earliestRight) {
        rows.push_back(earliestRightRow(*m_earliestRight, m_runner->today(), separator));
        best.push_back(false);
    }
    try {
        for (const ScenarioOutcome& outcome : m_runner->runAll(m_scenarios)) {
            rows.push_back(outcomeRow(outcome, separator));
            best.push_back(outcome.best);
        }
    } catch (const std::exception&) {
        // The core says a variant's refusals in its row; anything else is the program's fault.
        rows.resize(m_firstScenarioRow);
        best.resize(m_firstScenarioRow);
        m_refusal = text(captions::kScenarioFailed);
        showNote();
    }
    showRows(rows, best);
}

void ScenarioPanel::showRows(const std::vector<QStringList>& rows, const std::vector<bool>& best) {
    const std::optional<std::size_t> selected = selectedScenario();
    const QSignalBlocker quiet(tblScenarios);
    tblScenarios->clearSpans();
    tblScenarios->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        const QStringList& texts = rows[std::size_t(row)];
        for (int column = 0; column < ScenarioColumnCount; ++column) {
            auto* item = new QTableWidgetItem(texts.value(column));
            if (column != NameColumn && column != RightColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            QFont font = item->font();
            font.setBold(best[std::size_t(row)]);
            item->setFont(font);
            tblScenarios->setItem(row, column, item);
        }
        // A refused variant: its reason across the figures' columns.
        if (row >= m_firstScenarioRow && texts.value(DeltaColumn).isEmpty()) {
            QTableWidgetItem* reason = tblScenarios->item(row, TotalColumn);
            reason->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            reason->setToolTip(texts.value(TotalColumn));
            tblScenarios->setSpan(row, TotalColumn, 1, ScenarioColumnCount - TotalColumn);
        }
        tblScenarios->item(row, NameColumn)->setToolTip(texts.value(NameColumn));
    }
    if (selected && *selected < m_scenarios.size())
        tblScenarios->selectRow(rowOfScenario(*selected));
}

void ScenarioPanel::showNote() {
    QString note = m_refusal;
    if (note.isEmpty() && kind() == VoluntaryKind)
        note = text(captions::kScenarioVoluntaryNote);
    if (note.isEmpty() && kind() == WorkLongerKind && m_runner)
        note = text(captions::kScenarioWageAsNowNote)
                   .arg(QString::fromStdString(
                       formatPattern(m_runner->coefficientAsNow(), 2, 5, decimalSeparator())));
    lScenarioNote->setText(note);
    // A refusal in red, readable under any palette.
    QPalette colours = palette();
    if (!m_refusal.isEmpty())
        colours.setColor(QPalette::WindowText,
                         readableOn(colours.color(QPalette::Window), kRefusalInk));
    lScenarioNote->setPalette(colours);
    lScenarioNote->setVisible(!note.isEmpty());
    fitWrappedTexts();
}

} // namespace rv

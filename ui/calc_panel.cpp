#include "calc_panel.h"

#include "cli/result_field_keys.h"

#include "action_button.h"
#include "captions.h"
#include "earnings_chart_view.h"
#include "field_binding.h"
#include "scenario_panel.h"
#include "calc/messages.h"
#include "store/dmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace rv {

namespace {

constexpr int kFieldWidth = 200; // room for the insurance text "35 р. 11 міс. 29 дн."

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

QLineEdit* resultField(const char* name, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setFixedWidth(kFieldWidth);
    return field;
}

QLabel* namedLabel(const char* name, const char* caption, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// A note under a field that comes and goes without moving the rows below it.
QLabel* note(const char* name, const char* caption, QWidget* parent) {
    QLabel* label = namedLabel(name, caption, parent);
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    label->hide();
    return label;
}

void showField(QLineEdit* field, const ResultField& shown) {
    field->setText(fromUtf8(shown.text));
    field->setToolTip(fromUtf8(shown.hint));
    field->setCursorPosition(0); // a long text shows its beginning
}

} // namespace

CalcPanel::CalcPanel(QAction* aCalc, QAction* aProtocolPrint, QAction* aProtocolPdf,
                     QWidget* parent)
    : QWidget(parent), gbCalc(new QGroupBox(QString::fromUtf8(captions::kCalcPanel), this)) {
    gbCalc->setObjectName(QStringLiteral("gbCalc"));
    lRight = namedLabel("lRight", "", gbCalc);
    lRight->setWordWrap(true);
    lRight->setIndent(12);
    // Room for the longest sentence (no right yet: every age, the shortfall and the day), so the
    // grid never squeezes it whatever width the panel takes.
    lRight->setMinimumHeight(4 * lRight->fontMetrics().lineSpacing());
    lRight->setTextInteractionFlags(Qt::TextSelectableByMouse);
    edtPensAge = resultField("edtPensAge", gbCalc);
    edtFullSS = resultField("edtFullSS", gbCalc);
    edtSSMonth = resultField("edtSSMonth", gbCalc);
    edtSSMonth2 = resultField("edtSSMonth2", gbCalc);
    edtSumK = resultField("edtSumK", gbCalc);
    lAvgZpForYear = namedLabel("lAvgZpForYear", captions::kAvgZpForYearDesigned, gbCalc);
    lAvgZpForYear->setWordWrap(true); // names the application year and the years it averages
    lAvgZpForYear->setMinimumHeight(2 * lAvgZpForYear->fontMetrics().lineSpacing());
    edtAvgZpForYear = resultField("edtAvgZpForYear", gbCalc);
    lNoAvgForYear = note("lNoAvgForYear", "", gbCalc);
    edtEarningK = resultField("edtEarningK", gbCalc);
    edtValuation = resultField("edtValuation", gbCalc);
    edtISSK = resultField("edtISSK", gbCalc);
    edtPens = resultField("edtPens", gbCalc);
    lMinPens = namedLabel("lMinPens", messages::kMinPensDesigned, gbCalc);
    edtMinPens = resultField("edtMinPens", gbCalc);
    edtMinPens65 = resultField("edtMinPens65", gbCalc);
    edtExtraPens = resultField("edtExtraPens", gbCalc);
    edtMaxPens = resultField("edtMaxPens", gbCalc);
    edfFullPens = resultField("edfFullPens", gbCalc);
    lPensNotFull = note("lPensNotFull", messages::kPensionIncomplete, gbCalc);
    lEstimates = namedLabel("lEstimates", "", gbCalc);
    lEstimates->setWordWrap(true);
    lEstimates->hide();
    lCredited = namedLabel("lCredited", "", gbCalc);
    lCredited->setWordWrap(true);
    lCredited->hide();
    lExclusions = namedLabel("lExclusions", "", gbCalc);
    lExclusions->setWordWrap(true);
    lExclusions->hide();
    cbExtraExclusions = new QCheckBox(QString::fromUtf8(captions::kExtraExclusions), gbCalc);
    cbExtraExclusions->setObjectName(QStringLiteral("cbExtraExclusions"));
    cbExtraExclusions->setToolTip(QString::fromUtf8(captions::kExtraExclusionsHint));
    cbExtraExclusions->setChecked(true);
    cbExtraExclusions->setEnabled(false); // until there is a person row to hold the choice
    bbCalc = actionButton(aCalc, "bbCalc", gbCalc);
    bbProtocolPrint = actionButton(aProtocolPrint, "bbProtocolPrint", gbCalc);
    bbProtocolPdf = actionButton(aProtocolPdf, "bbProtocolPdf", gbCalc);
    gbScenarios = new ScenarioPanel(this);
    chEarnings = new EarningsChartView(this);
    lCalcFootnote = namedLabel("lCalcFootnote", captions::kCalcFootnote, this);
    lCalcFootnote->setWordWrap(true);
    lLawFootnote = namedLabel("lLawFootnote", captions::kLawFootnote, this);
    lLawFootnote->setWordWrap(true);

    // The two reference values carry where they come from; the others their formula.
    const QString fromReference = QString::fromUtf8(messages::kFromReferenceHint);
    edtAvgZpForYear->setToolTip(fromReference);
    edtMinPens->setToolTip(fromReference);

    auto* grid = new QGridLayout(gbCalc);
    grid->setHorizontalSpacing(12);
    int row = 0;
    auto addRow = [&](QWidget* caption, QLineEdit* field) {
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    };
    auto caption = [this](const char* text) { return new QLabel(QString::fromUtf8(text), gbCalc); };
    // The right's sentence can be long: under its caption, across the panel.
    grid->addWidget(caption(captions::kRightCaption), row++, 0, 1, 3);
    grid->addWidget(lRight, row++, 0, 1, 3);
    addRow(caption(captions::kPensAgeCaption), edtPensAge);
    addRow(caption(captions::kFullSSCaption), edtFullSS);
    addRow(caption(captions::kSSMonthCaption), edtSSMonth);
    addRow(caption(captions::kSSMonth2Caption), edtSSMonth2);
    addRow(caption(captions::kSumKCaption), edtSumK);
    addRow(lAvgZpForYear, edtAvgZpForYear);
    grid->addWidget(lNoAvgForYear, row++, 1);
    addRow(caption(captions::kEarningKCaption), edtEarningK);
    addRow(caption(captions::kValuationCaption), edtValuation);
    addRow(caption(captions::kISSKCaption), edtISSK);
    addRow(caption(captions::kPensCaption), edtPens);
    addRow(lMinPens, edtMinPens);
    addRow(caption(captions::kMinPens65Caption), edtMinPens65);
    addRow(caption(captions::kExtraPensCaption), edtExtraPens);
    addRow(caption(captions::kMaxPensCaption), edtMaxPens);
    addRow(caption(captions::kFullPensCaption), edfFullPens);
    grid->addWidget(lPensNotFull, row++, 1);
    grid->addWidget(lEstimates, row++, 0, 1, 3);
    grid->addWidget(lCredited, row++, 0, 1, 3);
    grid->addWidget(lExclusions, row++, 0, 1, 3);
    grid->addWidget(cbExtraExclusions, row++, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {bbCalc, bbProtocolPrint, bbProtocolPdf})
        buttons->addWidget(button);
    buttons->addStretch(1);
    grid->addLayout(buttons, row++, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    // The panel scrolls where the window is shorter than it, so that the window's size never
    // depends on this page.
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(gbCalc);
    layout->addWidget(gbScenarios);
    layout->addWidget(chEarnings);
    layout->addWidget(lCalcFootnote);
    layout->addWidget(lLawFootnote);
    layout->addStretch(1);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("saCalc"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* pageLayout = new QVBoxLayout(this);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(scroll);

    // As designed: every result "0", the captions naming 2011 and no date.
    m_shown.pensionFrom.text = "0";
    m_shown.averageWageCaption = captions::kAvgZpForYearDesigned;
    m_shown.minimumPensionCaption = messages::kMinPensDesigned;
    apply();
}

void CalcPanel::bind(TdMain& dMain, Prompt& prompt) {
    // An empty choice (a case of the first version) makes the exclusions, as the data module does.
    new CheckBoxBinding(cbExtraExclusions, dMain.cdsPerson, "person_extra_excl", true, prompt);
    cbExtraExclusions->setEnabled(true);
}

void CalcPanel::showResults(const ResultTexts& texts) {
    const std::string avgZpCaption = m_shown.averageWageCaption;
    const std::optional<std::string> minPensCaption = m_shown.minimumPensionCaption;
    m_shown = texts;
    if (m_shown.averageWageCaption.empty())
        m_shown.averageWageCaption = avgZpCaption;
    if (!m_shown.minimumPensionCaption)
        m_shown.minimumPensionCaption = minPensCaption;
    apply();
}

void CalcPanel::clear(bool noRight) {
    clearCalcResults(m_shown, noRight);
    if (!noRight) { // a reset: the notes on the periods and the months go with the figures
        m_shown.creditedNote.clear();
        m_shown.exclusionsNote.clear();
    }
    apply();
    showChart({});
    gbScenarios->clear();
}

void CalcPanel::showChart(std::vector<LedgerMonthView> months) {
    chEarnings->setMonths(std::move(months));
}

void CalcPanel::apply() {
    for (const ResultFieldInfo& info : kResultFields) {
        const ResultField& shown = m_shown.*info.field;
        // Each control is named as the calculator's key of the result it shows.
        const std::string_view key = cli::resultFieldKey(info.field);
        const QString name = QString::fromLatin1(key.data(), qsizetype(key.size()));
        switch (info.kind) {
        case ResultFieldKind::Label: {
            auto* label = gbCalc->findChild<QLabel*>(name);
            label->setText(fromUtf8(shown.text));
            label->setToolTip(fromUtf8(shown.hint));
            break;
        }
        case ResultFieldKind::ReferenceField: // keeps its fixed hint
            gbCalc->findChild<QLineEdit*>(name)->setText(fromUtf8(shown.text));
            break;
        case ResultFieldKind::PlainField:
        case ResultFieldKind::FormulaField:
            showField(gbCalc->findChild<QLineEdit*>(name), shown);
            break;
        }
    }
    lAvgZpForYear->setText(fromUtf8(m_shown.averageWageCaption));
    lMinPens->setText(fromUtf8(m_shown.minimumPensionCaption.value_or(messages::kMinPensDesigned)));
    lNoAvgForYear->setText(fromUtf8(m_shown.averageWageNote));
    lNoAvgForYear->setVisible(m_shown.averageWageNoteShown);
    lPensNotFull->setVisible(m_shown.incompleteNoteShown);
    lEstimates->setText(fromUtf8(m_shown.estimatesNote));
    lEstimates->setVisible(!m_shown.estimatesNote.empty());
    lCredited->setText(fromUtf8(m_shown.creditedNote));
    lCredited->setVisible(!m_shown.creditedNote.empty());
    lExclusions->setText(fromUtf8(m_shown.exclusionsNote));
    lExclusions->setVisible(!m_shown.exclusionsNote.empty());
}

} // namespace rv

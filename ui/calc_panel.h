#pragma once

#include "calc/calculation.h"

#include <QWidget>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rv {

class EarningsChartView;
class Prompt;
class ScenarioPanel;
class TdMain;

// The calculation tab tsCalc: the results panel gbCalc with its read-only result fields (the
// formula behind each as its tooltip), the person's choice of the months left out of Кз at
// their wish (ст. 40 ч. 1), the button "Провести розрахунок*" of aCalc, the buttons
// of the protocol's two actions, the panel "Що буде, якщо…", the chart of the earnings and the
// footnote on the optimisations.
class CalcPanel : public QWidget {
    Q_OBJECT
public:
    CalcPanel(QAction* aCalc, QAction* aProtocolPrint, QAction* aProtocolPdf,
              QWidget* parent = nullptr);

    // Binds the choice of the extra exclusions to the person row.
    void bind(TdMain& dMain, Prompt& prompt);

    // Shows a calculation's panel: every field with its hint, the notes shown or hidden. The
    // captions of lAvgZpForYear and lMinPens change only where the panel gives one.
    void showResults(const ResultTexts& texts);
    // Resets the fields and hints as ClearCalcResults does: with noRight edtPensAge reads
    // "Право відсутнє" and edtFullSS keeps its text (and the note on the credited periods
    // stays), else the notes go too. The two captions stay as they are. The variants are
    // cleared too.
    void clear(bool noRight);
    // The months of the chart: those of the calculation shown, none after clear().
    void showChart(std::vector<LedgerMonthView> months);

    QGroupBox* gbCalc;
    QLabel* lRight;
    QLineEdit* edtPensAge;
    QLineEdit* edtFullSS;
    QLineEdit* edtSSMonth;
    QLineEdit* edtSSMonth2;
    QLineEdit* edtSumK;
    QLabel* lAvgZpForYear;
    QLineEdit* edtAvgZpForYear;
    QLabel* lNoAvgForYear;
    QLineEdit* edtEarningK;
    QLineEdit* edtValuation;
    QLineEdit* edtISSK;
    QLineEdit* edtPens;
    QLabel* lMinPens;
    QLineEdit* edtMinPens;
    QLineEdit* edtMinPens65;
    QLineEdit* edtExtraPens;
    QLineEdit* edtMaxPens;
    QLineEdit* edfFullPens;
    QLabel* lPensNotFull;
    QLabel* lEstimates;  // how many counted months rest on estimated figures
    QLabel* lCredited;   // the periods credited without work (ст. 24)
    QLabel* lExclusions; // the months left out at the person's wish (ст. 40 ч. 1 абз. 3)
    // The person leaves out the months that lower Кз (cdsPerson.person_extra_excl).
    QCheckBox* cbExtraExclusions;
    QPushButton* bbCalc;
    QPushButton* bbProtocolPrint;
    QPushButton* bbProtocolPdf;
    ScenarioPanel* gbScenarios; // the variants of the case calculated
    EarningsChartView* chEarnings;
    QLabel* lCalcFootnote;
    QLabel* lLawFootnote;

private:
    void apply();

    ResultTexts m_shown; // what the widgets show
};

} // namespace rv

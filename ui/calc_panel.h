#pragma once

#include "calc/calculation.h"

#include <QWidget>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rv {

class EarningsChartView;
class ScenarioPanel;

// The calculation tab tsCalc: the results panel gbCalc with its read-only result fields (the
// formula behind each as its tooltip), the button "Провести розрахунок*" of aCalc, the buttons
// of the protocol's two actions, the panel "Що буде, якщо…", the chart of the earnings and the
// footnote on the optimisations.
class CalcPanel : public QWidget {
    Q_OBJECT
public:
    CalcPanel(QAction* aCalc, QAction* aProtocolPrint, QAction* aProtocolPdf,
              QWidget* parent = nullptr);

    // Shows a calculation's panel: every field with its hint, the notes shown or hidden. The
    // captions of lAvgZpForYear and lMinPens change only where the panel gives one.
    void showResults(const ResultTexts& texts);
    // Resets the fields and hints as ClearCalcResults does: with noRight edtPensAge reads
    // "Право відсутнє" and edtFullSS keeps its text. The two captions stay as they are. The
    // variants are cleared too.
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
    QLabel* lEstimates; // how many counted months rest on estimated figures
    QLabel* lCredited;   // the periods credited without work (ст. 24)
    QLabel* lExclusions; // the months left out at the person's wish (ст. 40 ч. 1 абз. 3)
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

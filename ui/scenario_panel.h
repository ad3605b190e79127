#pragma once

#include "calc/scenarios.h"

#include <QGroupBox>

#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QTableWidget;

namespace rv {

class TdMain;

class DateEdit;
class TotalsChartView;

// The panel "Що буде, якщо…" of the calculation tab: variants of the case just calculated, each
// run by the core on a copy, in a table beside today's result, the best one marked, and the chart
// of the pension by application date over the next five years. The months, the wage and the date
// describe the variant selected in the table and recalculate it as they change; with no variant
// selected, or once another kind is chosen, the controls describe the next one "Додати варіант"
// adds. Disabled until a calculation succeeded.
class ScenarioPanel : public QGroupBox {
    Q_OBJECT
public:
    enum Kind { WorkLongerKind, ApplyOnKind, VoluntaryKind };
    // The chart's application dates: five years ahead, one each quarter.
    static constexpr int kChartMonths = 60;
    static constexpr int kChartStepMonths = 1;

    explicit ScenarioPanel(QWidget* parent = nullptr);
    ~ScenarioPanel() override;

    // After a successful calculation of `openCase` for `applicationDate`: a new copy of the case,
    // today's row, the earliest right when there is none today, the chart, and every variant of
    // the list calculated again.
    void setCase(TdMain& openCase, const CalculationResult& today, Date applicationDate);
    // Forgets the calculation: the table and the chart empty, the panel disabled. The variants
    // stay listed, to be calculated again with the next calculation.
    void clear();
    // Forgets the variants too, for another person's case.
    void clearVariants();

    const std::vector<Scenario>& scenarios() const { return m_scenarios; }
    // The table's row of the variant `index`.
    int rowOfScenario(std::size_t index) const { return m_firstScenarioRow + int(index); }

    QLabel* lScenarioIntro;
    QComboBox* cbScenarioKind;
    QLabel* lMonths;
    QSpinBox* sbMonths;
    QSlider* slMonths;
    QLabel* lMonthsText;
    QLabel* lWage;
    QRadioButton* rbWageAsNow;
    QRadioButton* rbWageAmount;
    QLineEdit* edtWage;
    QLabel* lScenarioDate;
    DateEdit* dtScenarioDate;
    QLabel* lScenarioNote; // what the kind assumes, or why the typed value is refused
    QPushButton* bbAddScenario;
    QPushButton* bbRemoveScenario;
    QTableWidget* tblScenarios;
    QLabel* lEarliestRight;
    QLabel* lScenarioAssumptions;
    TotalsChartView* chTotals;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // Word-wrapped texts keep the height their lines need at the panel's width, which a scroll
    // area's layout does not give them by itself.
    void fitWrappedTexts();
    Kind kind() const;
    void showKindControls();
    // The variant the controls describe; none, with the reason shown, when a value is refused.
    std::optional<ScenarioChange> changeFromControls();
    void showChangeInControls(const ScenarioChange& change);
    // The variant selected in the table; none for today's rows or no selection.
    std::optional<std::size_t> selectedScenario() const;
    void selectScenario(std::size_t index);

    void controlsEdited();
    void addScenario();
    void removeScenario();
    void selectionChanged();
    // Calculates every variant and fills the table.
    void recalculate();
    void showRows(const std::vector<QStringList>& rows, const std::vector<bool>& best);
    void showNote();

    std::unique_ptr<ScenarioRunner> m_runner;
    std::vector<Scenario> m_scenarios;
    std::optional<EarliestRight> m_earliestRight;
    int m_firstScenarioRow = 1;
    Date m_applicationDate;
    QString m_refusal; // why the value typed last is refused; empty when none is
};

} // namespace rv

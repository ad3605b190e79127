#pragma once

#include <QWidget>

#include <optional>

class QColor;
class QComboBox;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace rv {

class DataGrid;
class TdMain;
class TfrmMain;

// From January 2004 a month whose credited days fall short of the calendar month shows them in
// red (part 3 of art. 24: a month counts in full only when the minimum wage was paid).
// month0 counts 0..11 from January.
bool isShortCreditedMonth(int year, int month0, int creditedDays);

// The earnings tab tsEarning: the year drop-down, the ledger grid grdEarning over cdsEarning
// with its year footer, the buttons "Очистити", "Зберегти в xls", "Підтвердити заробітки" and
// the footnotes. It reads and writes the window's LedgerRefreshEnabled and SummaryYear.
class EarningsTab : public QWidget {
    Q_OBJECT
public:
    // The grid's columns, in their order.
    enum Column {
        YearColumn,
        MonthColumn,
        MinimumWageColumn,
        AverageWageColumn,
        PaymentColumn,
        CoefficientColumn,
        CreditedDaysColumn,
        Optimisation1Column,
        Optimisation2Column,
    };

    explicit EarningsTab(TfrmMain& window, QWidget* parent = nullptr);

    // Binds the grid to the ledger of the data module.
    void bind(TdMain& dMain);

    // Lists every year of the ledger once, ascending, under the text "Оберіть рік"; switches the
    // ledger's filter off.
    void FillYearSelector();
    // The footer of the current row's year: months, sum of earnings, sum of coefficients.
    // Without force only when the row's year differs from SummaryYear and the refresh is enabled.
    void RefreshYearSummary(bool force);
    // The columns of the optimisation marks, shown after a calculation with a right to a pension.
    void setOptimisationColumnsVisible(bool visible);

    // "Очистити": every earning of the ledger to 0, after the question.
    void aClearEarningExecute();
    // The hidden "Super State" switch: the ledger is stored as typed, coefficient and credited
    // days become editable.
    void aSuperChangeExecute();

    QWidget* pEarningTop;
    QComboBox* cbEarningSelector;
    DataGrid* grdEarning;
    QWidget* pEarningBottom;
    QPushButton* bbClearEarning;
    QPushButton* bEarningPrint;
    QPushButton* bbVerifyEarnings;
    QPushButton* bImportEarnings;
    QLabel* Label3;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cbEarningSelectorChange(const QString& text);
    std::optional<QColor> grdEarningDrawColumnCell(int row, int column) const;
    // Copy and paste of a month's earning, Enter as Tab, refused characters; true when consumed.
    bool grdEarningKeyDown(QKeyEvent* key);
    void grdEarningKeyUp();
    void copyEarning();
    void pasteEarning();
    void fitColumnWidths();
    void writeYearSummary(int year, int months, double earnings, double coefficients);

    TfrmMain& m_window;
    TdMain* m_dMain = nullptr;
};

} // namespace rv

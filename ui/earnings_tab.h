#pragma once

#include "store/ledger_columns.h"

#include <QWidget>

#include <optional>
#include <vector>

class QColor;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rv {

class DataGrid;
class TdMain;
class TfrmMain;

// The earnings tab tsEarning: the year drop-down, the ledger grid grdEarning over cdsEarning
// with its year footer, the buttons "Очистити", "Зберегти в xls", "Підтвердити заробітки" and
// the footnotes. It reads and writes the window's LedgerRefreshEnabled and SummaryYear.
class EarningsTab : public QWidget {
    Q_OBJECT
public:
    // The grid's columns, as the ledger's column descriptions place them.
    enum Column {
        YearColumn = shownLedgerColumnOf("earning_year"),
        MonthColumn = shownLedgerColumnOf("earning_month_name"),
        MinimumWageColumn = shownLedgerColumnOf("earning_min_zp"),
        AverageWageColumn = shownLedgerColumnOf("earning_avg_zp"),
        PaymentColumn = shownLedgerColumnOf("earning_payment"),
        CoefficientColumn = shownLedgerColumnOf("earning_k"),
        CreditedDaysColumn = shownLedgerColumnOf("earning_day"),
        Optimisation1Column = shownLedgerColumnOf("earning_opt1"),
        Optimisation2Column = shownLedgerColumnOf("earning_opt2"),
        // After the ledger's own columns: the period's kind and why the month was left out at
        // the person's wish.
        KindColumn,
        ExclusionColumn,
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
    // The columns of the optimisation marks and of the months left out at the person's wish,
    // shown after a calculation with a right to a pension.
    void setOptimisationColumnsVisible(bool visible);
    // Enables "Підтвердити заробітки" and "Очистити" exactly when the ledger has months: after
    // each key in the grid, and after a command that stored earnings without one.
    void refreshEarningCommands();

    // "Очистити": every earning of the ledger to 0, after the question.
    void aClearEarningExecute();
    // The hidden "Super State" switch: the ledger is stored as typed, coefficient and credited
    // days become editable.
    void aSuperChangeExecute();

    QWidget* pEarningTop;
    QComboBox* cbEarningSelector;
    // The helper for amounts before the 1996 currency reform: an amount in karbovanets or
    // roubles, its value in hryvnias, and the button that stores it as the current month's
    // earning.
    QLineEdit* edtKarbovanets;
    QLabel* lblKarbovanetsInHryvnias;
    QPushButton* bKarbovanetsToEarning;
    // The earnings of every year of the ledger together.
    QLabel* lblEarningsTotal;
    // Beside the year selector: why a typed text chose no year.
    QLabel* lblYearChoice;
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
    // The tooltip of a cell: the minimum wage that stands for a month's earning (ст. 40 ч. 2),
    // a kind cut by its column, the whole reason a month was left out.
    QVariant cellToolTip(int row, int column) const;
    // Why the month was left out at the person's wish, without the words the column's title
    // says; empty for a month kept.
    QVariant exclusionReason(int row) const;
    QString exclusionText(int row) const; // the looked-up "виключено: …"
    // Copy and paste of a month's earning, Enter as Tab, refused characters; true when consumed.
    bool grdEarningKeyDown(QKeyEvent* key);
    void copyEarning();
    void pasteEarning();
    // The amounts as the earnings of consecutive months from the current one, all or none; the
    // month after the last becomes current.
    void storeEarnings(const std::vector<double>& amounts);
    // Nothing was pasted: the line of the pasted text (from 1) and why.
    void refusePaste(int line, const QString& reason);
    void fitColumnWidths();
    void writeYearSummary(int year, int months, double earnings, double coefficients);
    void refreshEarningsTotal();
    void showKarbovanetsInHryvnias();
    void storeKarbovanetsAsEarning();

    TfrmMain& m_window;
    TdMain* m_dMain = nullptr;
};

} // namespace rv

#pragma once

#include "import/import_preview.h"
#include "import/statement_reading.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QTableWidget;

namespace rv {

// The preview of an import: every month found with its amount, its experience and the flags the
// person must confirm; a tick per month. Nothing changes until the person accepts; a month
// outside the ledger cannot be ticked. The amounts in karbovanets or roubles are converted only
// when the person ticks the offer, the statement's identity goes to the person panel only when
// the person ticks that offer.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    // The table's columns, in their order.
    enum Column { TickColumn, YearColumn, MonthColumn, AmountColumn, ExperienceColumn, FlagColumn };

    ImportDialog(import::StatementReading reading, const std::vector<import::ImportFlag>& flags,
                 QWidget* parent = nullptr);

    // The ticked months, each with the amount to store.
    std::vector<AcceptedEarning> acceptedEarnings() const;
    // True when the person asked to take the statement's identity into the person panel.
    bool identityRequested() const;
    const import::StatementReading& reading() const { return m_reading; }

    QLabel* lSummary;
    QLabel* lYearFlags;
    QTableWidget* tblMonths;
    QCheckBox* cbConvertOldCurrency; // hidden when no amount looks like karbovanets
    QCheckBox* cbTakeIdentity;       // hidden when the source names nobody
    QDialogButtonBox* buttons;

private:
    void showAmounts();
    void updateAcceptButton();

    import::StatementReading m_reading;
    std::vector<bool> m_oldCurrency; // per month of the reading
};

} // namespace rv

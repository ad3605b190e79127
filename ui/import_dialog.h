#pragma once

#include "import/preview_checks.h"
#include "import/statement_reading.h"

#include <QDialog>
#include <QList>
#include <QStringList>

#include <vector>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;
class QTableWidget;

namespace rv {

class Prompt;

// The preview of an import: first what was read against what the statement covers and every line
// left unread, then every month found with its amount, its experience and the flags the person
// must confirm, a tick per month. Nothing changes until the person accepts; a statement that
// looks like another person's asks a second yes. A month outside every period cannot be ticked
// until the person adds the period the preview offers for it. The amounts in karbovanets or
// roubles are converted only when the person ticks the offer, the statement's identity goes to
// the person panel only when the person ticks that offer.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    // The table's columns, in their order.
    enum Column { TickColumn, YearColumn, MonthColumn, AmountColumn, ExperienceColumn, FlagColumn };

    ImportDialog(import::StatementReading reading, import::PreviewChecks checks, Prompt& prompt,
                 QWidget* parent = nullptr);

    // The ticked months, hidden by the filter or not, each with the amount to store.
    std::vector<AcceptedEarning> acceptedEarnings() const;
    // True when the person asked to take the statement's identity into the person panel.
    bool identityRequested() const;
    const import::StatementReading& reading() const { return m_reading; }

    // Shows the checks made again after the case changed: a month that a new period covers
    // becomes tickable and is ticked; the other ticks stay as the person left them.
    void showChecks(import::PreviewChecks checks);

    // "Внести позначені місяці": for another person's statement only after a second yes.
    void accept() override;

    QLabel* lOtherPerson; // hidden unless the statement names someone else
    QLabel* lSummary;
    QLabel* lUnreadHeading; // with lstUnread, hidden when every line was read
    QListWidget* lstUnread;
    QLabel* lHint;
    QLabel* lYearFlags;
    QCheckBox* cbOnlyFlagged;
    QTableWidget* tblMonths;
    QScrollArea* saOutside; // a line and a button per run of months outside every period
    QList<QPushButton*> addPeriodButtons;
    QCheckBox* cbConvertOldCurrency; // hidden when no amount looks like karbovanets
    QCheckBox* cbTakeIdentity;       // hidden when the source names nobody
    QDialogButtonBox* buttons;

signals:
    // The person asked for the period that covers `run`, months outside every period.
    void periodRequested(const import::MonthRun& run);

private:
    void offerIdentity();
    void showSummary();
    void showUnread();
    void fillTable();
    void showOutsideRuns();
    // The amounts and the notes (a month's parts, in the currency chosen, then its flags).
    void showAmounts();
    void showOnlyFlagged();
    void updateAcceptButton();
    bool converts(std::size_t index) const;

    import::StatementReading m_reading;
    import::PreviewChecks m_checks;
    Prompt& m_prompt;
    // Per month of the reading, from the checks:
    std::vector<bool> m_oldCurrency;
    std::vector<bool> m_outside;
    std::vector<bool> m_flagged; // a flag of the month or of its year
    std::vector<QStringList> m_flagNotes;
};

} // namespace rv

#pragma once

#include "calc/protocol.h"
#include "file_dialog.h"
#include "import/statement_reading.h"
#include "store/dmMain.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class QAction;
class QMenu;
class QTextBrowser;
class QToolBar;

namespace rv {

class CalcPanel;
class DataGrid;
class DictionaryPage;
class EarningsTab;
class ExperienceTab;
struct GridExportRequest;
class PageControl;
class PersonPanel;
class Prompt;
class PromptHandler;

// The main window frmMain: the menu, the tool bar, the person panel and the page control with
// the reference tables, the help text and the three work tabs. It owns the data module.
class TfrmMain : public QMainWindow, private DataModuleListener {
    Q_OBJECT
public:
    // Without a prompt handler the real boxes and dialogs are shown; tests script their own.
    explicit TfrmMain(PromptHandler* promptHandler = nullptr,
                      const StoredReferenceData& reference = EmbeddedReferenceData());
    ~TfrmMain() override;

    // The data module; null when its creation failed at start-up.
    TdMain* dMain() const { return m_dMain.get(); }
    Prompt& prompt() const { return *m_prompt; }

    // The open case has changes not yet written to a case file.
    bool CaseModified = false;
    // Full path of the case file last loaded or saved; empty when the case has none.
    QString CaseFileName;
    // Lets a change of the ledger's current row refresh the earnings tab's year summary.
    bool LedgerRefreshEnabled = false;
    // Year shown by the earnings tab's year summary; -1 after a stored ledger row.
    int SummaryYear = 0;

    void MarkModified();
    // The title bar: the case file's name (or "Нова справа"), "*" while it has unsaved changes,
    // the program's version and the date of its reference data.
    void refreshTitle();
    // "Равелта 1.2, довідники станом на 01.01.2026": the program's version and the newest date
    // from which a row of its reference tables holds.
    QString versionText() const;
    // Colours every bound grid of the window once: white cells, sand titles, grey read-only
    // columns.
    void StyleGrids();

    void aExitExecute();
    void aPersonHelpExecute();
    void aAboutExecute();

    // Stage commands: confirm the person, new person, confirm the earnings, the calculation.
    void aAddPersonExecute();
    void aNewPersonExecute();
    void aVerifyEarningExecute();
    void aCalcExecute();
    // The protocol of the calculation (protocol_commands.cpp): the case is calculated again, so
    // that the protocol shows the data as they stand, then printed through the print dialog with
    // its preview or saved as PDF.
    void aProtocolPrintExecute();
    void aProtocolPdfExecute();
    // Resets the results panel and refreshes the experience total; with noRight edtPensAge reads
    // "Право відсутнє" and edtFullSS keeps the insurance text.
    void ClearCalcResults(bool noRight);

    // The experience tab's commands: the footer total, "Очистити" and "Підтвердити стаж".
    void RefreshExpTotal();
    void aClearExpExecute();
    void aVerifyExpExecute();

    // Case file commands: "Зберегти", "Зберегти як...", "Завантажити...".
    void aSaveExecute();
    void aSaveAsExecute();
    void aLoadExecute();
    // Opens a case file without the open dialog (the command line, a dropped file, a recent
    // file), after the question about unsaved changes. False when nothing was loaded.
    bool openCaseFile(const QString& path);
    // Exports: the experience and earnings grids as .xls files, the earnings dump "Super Save".
    void aPrintExpExecute();
    void aPrintEarningExecute();
    void aSuperSaveExecute();
    // Importing earnings (import_command.cpp): from a statement's or a table's file, from the
    // clipboard, each through the preview; the ledger's earnings as CSV.
    void aImportEarningsExecute();
    void aImportEarningsPasteExecute();
    void aExportLedgerCsvExecute();
    // Reads the source, shows the preview and applies the months the person accepts.
    void importEarnings(const std::string& bytes);
    // The preview of a reading with months, over a case with a ledger: a period it offers is
    // added at once, the months accepted are applied and the earnings tab is ready to confirm.
    void previewImport(import::StatementReading reading);

    // The case file's save and open dialogs, and the exports' save dialog.
    FileDialogState sdMain;
    FileDialogState odMain;
    FileDialogState sdExport;
    FileDialogState sdProtocol; // the protocol's PDF

    // Actions of alMain
    QAction* aNewPerson;
    QAction* aSave;
    QAction* aSaveAs;
    QAction* aLoad;
    QAction* aExit;
    QAction* aPersonHelp;
    QAction* aAbout;
    QAction* aAddPerson;
    QAction* aVerifyExp;
    QAction* aClearExp;
    QAction* aPrintExp;
    QAction* aVerifyEarning;
    QAction* aClearEarning;
    QAction* aPrintEarning;
    QAction* aCalc;
    QAction* aSuperSave;
    QAction* aSuperChange;
    QAction* aImportEarnings;
    QAction* aImportEarningsPaste;
    QAction* aExportLedgerCsv;
    QAction* aProtocolPrint;
    QAction* aProtocolPdf;

    QAction* aNextPage;
    QAction* aPreviousPage;

    QMenu* miSMenu;
    // "Останні файли": the case files last loaded or saved, newest first.
    QMenu* miRecent;
    QToolBar* ToolBar1;
    PersonPanel* gbPers;
    PageControl* pcMain;
    QWidget* tsDictionary;
    DictionaryPage* dictionary; // the content of tsDictionary, with pcDict
    QWidget* tsInfo;
    QTextBrowser* reInfo;
    QWidget* tsExp;
    ExperienceTab* experienceTab = nullptr; // the content of tsExp, with grdExp
    QWidget* tsEarning;
    EarningsTab* earningsTab = nullptr; // the content of tsEarning, with grdEarning
    QWidget* tsCalc;
    CalcPanel* calcPanel; // the content of tsCalc, with gbCalc

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createActions();
    // Calculates the case and shows the results and the chart; none when the window has no
    // data module.
    std::optional<CalculationResult> calculateAndShow();
    Protocol makeProtocol(const CalculationResult& result);
    void createMenu();
    void createToolBar();
    QWidget* createPages();
    void FormCreate(const StoredReferenceData& reference);
    // The question on closing; false keeps the window open.
    bool FormCloseQuery();
    // Before the case is set aside: with unsaved changes asks whether to save them; false when
    // the person cancels or the save did not happen.
    bool settleUnsavedChanges(const char* question);
    void connectCommand(QAction* action, void (TfrmMain::*command)());
    // The editor that the person message list names for a code; null for none.
    QWidget* personEditor(ConfirmCode code) const;
    void setWorkPageEnabled(QWidget* page, bool enabled);
    // Loads the case file and opens the stages it reached; false when it could not be loaded.
    bool loadCase(const QString& path);
    // Puts the file first in "Останні файли" and rebuilds the menu.
    void rememberRecentFile(const QString& path);
    void fillRecentMenu();
    // The export of one grid under a proposed name, with its heading and totals.
    void exportGrid(DataGrid& grid, const GridExportRequest& request);

    void periodStored() override;
    void ledgerRowStored() override;
    void ledgerDataChanged() override;

    QString makeVersionText() const;

    Prompt* m_prompt;
    std::unique_ptr<TdMain> m_dMain;
    mutable QString m_versionText; // the reference data are read once, at start-up
};

// The window's first size: as designed, but within the screen's available area less a frame.
QSize initialWindowSize(QSize designed, QSize available);

} // namespace rv

// The case file commands of the main window: "Зберегти", "Зберегти як..." and "Завантажити...".

#include "calc_panel.h"
#include "captions.h"
#include "command.h"
#include "earnings_tab.h"
#include "ledger_refresh_pause.h"
#include "page_control.h"
#include "prompt.h"
#include "scenario_panel.h"
#include "uMain.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>
#include <QStringList>

namespace rv {

namespace {

constexpr const char* kRecentFilesKey = "recentFiles";
constexpr int kRecentFileCount = 8;

} // namespace

void TfrmMain::aSaveExecute() {
    if (!m_dMain)
        return;
    if (CaseFileName.isEmpty())
        if (const std::optional<QString> path = sdMain.execute(*m_prompt, FileRequest::Mode::Save))
            CaseFileName = *path;
    if (CaseFileName.isEmpty())
        return;
    // SaveCase shows its own error; the next save then asks for a name again.
    if (!m_dMain->SaveCase(CaseFileName.toStdString())) {
        CaseFileName.clear();
        return;
    }
    CaseModified = false;
    refreshTitle();
    rememberRecentFile(CaseFileName);
    m_prompt->information(QString::fromUtf8(captions::kFileSaved));
}

void TfrmMain::aSaveAsExecute() {
    if (!m_dMain)
        return;
    const std::optional<QString> path = sdMain.execute(*m_prompt, FileRequest::Mode::Save);
    if (!path || !m_dMain->SaveCase(path->toStdString()))
        return;
    CaseModified = false;
    CaseFileName = *path;
    refreshTitle();
    rememberRecentFile(*path);
    m_prompt->information(QString::fromUtf8(captions::kFileSaved));
}

// A loaded case opens the stages it has reached: the periods are stored again one by one so each
// is checked and measured, and a case with a ledger is calculated again. The ledger itself is
// taken as stored.
void TfrmMain::aLoadExecute() {
    if (!m_dMain)
        return;
    if (!settleUnsavedChanges(captions::kLoadQuestion))
        return;
    if (const std::optional<QString> path = odMain.execute(*m_prompt, FileRequest::Mode::Open))
        loadCase(*path);
}

bool TfrmMain::openCaseFile(const QString& path) {
    if (!m_dMain || !settleUnsavedChanges(captions::kLoadQuestion))
        return false;
    if (!QFileInfo::exists(path)) {
        m_prompt->warning(
            QString::fromUtf8(captions::kCaseFileMissing).arg(QDir::toNativeSeparators(path)));
        return false;
    }
    odMain.fileName = path;
    return loadCase(path);
}

bool TfrmMain::loadCase(const QString& path) {
    LedgerRefreshPause pause(*this);
    if (!m_dMain->LoadCase(path.toStdString()))
        return false;

    ClearCalcResults(false);
    calcPanel->gbScenarios->clearVariants(); // they were made for the case set aside
    pcMain->setCurrentPage(tsCalc);
    earningsTab->setOptimisationColumnsVisible(false);
    setWorkPageEnabled(tsExp, true);
    for (QWidget* page : {tsEarning, tsCalc})
        setWorkPageEnabled(page, false);
    for (QAction* action : {aVerifyExp, aClearExp, aVerifyEarning, aClearEarning})
        action->setEnabled(false);

    if (m_dMain->cdsExp.recordCount() > 0) {
        m_dMain->RepostPeriods();
        setWorkPageEnabled(tsEarning, true);
        aVerifyExp->setEnabled(true);
        aClearExp->setEnabled(true);
    }

    if (m_dMain->cdsEarning.recordCount() == 0) {
        pcMain->setCurrentPage(tsExp);
    } else {
        earningsTab->FillYearSelector();
        setWorkPageEnabled(tsCalc, true);
        aVerifyEarning->setEnabled(true);
        aClearEarning->setEnabled(true);
        aCalcExecute();
        pcMain->setCurrentPage(tsCalc);
    }

    RefreshExpTotal();
    pcMain->update();
    CaseFileName = path;
    CaseModified = false;
    refreshTitle();
    rememberRecentFile(path);
    m_prompt->information(QString::fromUtf8(captions::kFileLoaded));
    return true;
}

void TfrmMain::rememberRecentFile(const QString& path) {
    QSettings settings;
    QStringList files = settings.value(QLatin1String(kRecentFilesKey)).toStringList();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > kRecentFileCount)
        files.removeLast();
    settings.setValue(QLatin1String(kRecentFilesKey), files);
    fillRecentMenu();
}

void TfrmMain::fillRecentMenu() {
    miRecent->clear();
    const QStringList files = QSettings().value(QLatin1String(kRecentFilesKey)).toStringList();
    for (int i = 0; i < files.size(); ++i) {
        // "&1 справа.csf": the digit is the item's mnemonic; the folder shows as a hint.
        QAction* item = miRecent->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
        item->setToolTip(QDir::toNativeSeparators(files[i]));
        item->setStatusTip(item->toolTip());
        const QString file = files[i];
        connect(item, &QAction::triggered, this,
                [this, file] { runCommand(*m_prompt, [this, file] { openCaseFile(file); }); });
    }
    miRecent->setEnabled(!files.isEmpty());
}

} // namespace rv

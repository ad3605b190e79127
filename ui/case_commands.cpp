// The case file commands of the main window: "Зберегти", "Зберегти як..." and "Завантажити...".

#include "calc_panel.h"
#include "captions.h"
#include "earnings_tab.h"
#include "ledger_refresh_pause.h"
#include "page_control.h"
#include "prompt.h"
#include "uMain.h"

#include <QAction>

namespace rv {

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
    m_prompt->information(QString::fromUtf8(captions::kFileSaved));
}

// A loaded case opens the stages it has reached: the periods are stored again one by one so each
// is checked and measured, and a case with a ledger is calculated again. The ledger itself is
// taken as stored.
void TfrmMain::aLoadExecute() {
    if (!m_dMain)
        return;
    if (CaseModified && !m_prompt->askYesNo(QString::fromUtf8(captions::kContinueQuestion)))
        return;
    const std::optional<QString> path = odMain.execute(*m_prompt, FileRequest::Mode::Open);
    if (!path)
        return;

    LedgerRefreshPause pause(*this);
    if (!m_dMain->LoadCase(path->toStdString()))
        return;

    ClearCalcResults(false);
    pcMain->setCurrentPage(tsCalc);
    earningsTab->setOptimisationColumnsVisible(false);
    setWorkPageEnabled(tsExp, true);
    for (QWidget* page : {tsEarning, tsCalc})
        setWorkPageEnabled(page, false);
    for (QAction* action : {aVerifyExp, aClearExp, aVerifyEarning, aClearEarning})
        action->setEnabled(false);

    Table& periods = m_dMain->cdsExp;
    if (const int count = periods.recordCount(); count > 0) {
        for (int recNo = 1; recNo <= count; ++recNo) {
            periods.setRecNo(recNo);
            periods.edit();
            periods.post();
        }
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
    CaseFileName = *path;
    CaseModified = false;
    m_prompt->information(QString::fromUtf8(captions::kFileLoaded));
}

} // namespace rv

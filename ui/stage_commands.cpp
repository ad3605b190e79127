// The stage commands of the main window: confirm the person, new person, confirm the earnings,
// the calculation and the reset of its results panel.

#include "store/dm_calculation.h"
#include "calc_panel.h"
#include "captions.h"
#include "date_edit.h"
#include "display_format.h"
#include "earnings_tab.h"
#include "ledger_refresh_pause.h"
#include "page_control.h"
#include "person_panel.h"
#include "prompt.h"
#include "scenario_panel.h"
#include "engine/errors.h"
#include "calc/messages.h"
#include "uMain.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>

namespace rv {

// The editor that the person message list names for a confirmation code.
QWidget* TfrmMain::personEditor(ConfirmCode code) const {
    switch (code) {
    case ConfirmCode::NameMissing:
        return gbPers->edtehPersonName;
    case ConfirmCode::GenderMissing:
        return gbPers->cbehPersonGender;
    case ConfirmCode::BadBirthDate:
        return gbPers->dtehPersBirthdate;
    case ConfirmCode::BadApplicationDate:
    case ConfirmCode::TooEarlyApplication:
        return gbPers->dtehPersonZvernennya;
    case ConfirmCode::Confirmed:
    case ConfirmCode::StoreFailed:
        break;
    }
    return nullptr;
}

void TfrmMain::setWorkPageEnabled(QWidget* page, bool enabled) {
    pcMain->setPageEnabled(pcMain->indexOf(page), enabled);
}

void TfrmMain::aAddPersonExecute() {
    if (!m_dMain)
        return;
    const ConfirmCode code = m_dMain->ConfirmPerson();
    if (code == ConfirmCode::Confirmed) {
        MarkModified();
        if (!pcMain->isPageEnabled(pcMain->indexOf(tsExp))) {
            setWorkPageEnabled(tsExp, true);
            pcMain->setCurrentPage(tsExp);
        }
        return;
    }
    m_prompt->warning(QString::fromStdString(m_dMain->PersonMessage(code)));
    if (QWidget* editor = personEditor(code))
        editor->setFocus();
}

void TfrmMain::aNewPersonExecute() {
    if (!m_dMain)
        return;
    if (!settleUnsavedChanges(captions::kNewPersonQuestion))
        return;
    // Whatever is half typed goes with the case.
    for (Table* table : {&m_dMain->cdsEarning, &m_dMain->cdsExp, &m_dMain->cdsPerson}) {
        table->cancel();
        table->empty();
    }
    gbPers->edtehPersonName->setFocus();
    pcMain->setCurrentPage(tsDictionary);
    for (QWidget* page : {tsExp, tsEarning, tsCalc})
        setWorkPageEnabled(page, false);
    for (QAction* action : {aVerifyExp, aClearExp, aVerifyEarning, aClearEarning})
        action->setEnabled(false);
    pcMain->update();
    CaseModified = false;
    CaseFileName.clear();
    refreshTitle();
    ClearCalcResults(false);
    calcPanel->gbScenarios->clearVariants();
}

void TfrmMain::aVerifyEarningExecute() {
    setWorkPageEnabled(tsCalc, true);
    pcMain->update();
    ClearCalcResults(false);
}

void TfrmMain::aCalcExecute() {
    calculateAndShow();
}

std::optional<CalculationResult> TfrmMain::calculateAndShow() {
    if (!m_dMain)
        return std::nullopt;
    const std::optional<Date> applicationDate = gbPers->dtehPersonZvernennya->date();
    if (!applicationDate)
        throw UserError(
            messages::kPersonMessages[static_cast<int>(ConfirmCode::BadApplicationDate)]);

    LedgerRefreshPause pause(*this);
    CalculationResult result = Calculate(*m_dMain, *applicationDate, decimalSeparator());
    calcPanel->showResults(result.texts);
    if (result.noRight)
        ClearCalcResults(true);
    else
        earningsTab->setOptimisationColumnsVisible(true);
    calcPanel->showChart(ledgerMonthViews(*m_dMain));
    calcPanel->gbScenarios->setCase(*m_dMain, result, *applicationDate);
    for (QAction* action : {aProtocolPrint, aProtocolPdf})
        action->setEnabled(true);
    return result;
}

void TfrmMain::ClearCalcResults(bool noRight) {
    calcPanel->clear(noRight);
    RefreshExpTotal();
    for (QAction* action : {aProtocolPrint, aProtocolPdf})
        action->setEnabled(false);
}

} // namespace rv

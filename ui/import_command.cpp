// The window's import commands: earnings from a file or the clipboard through the preview, and
// the ledger's earnings as CSV.
#include "calc/messages.h"
#include "captions.h"
#include "command.h"
#include "earnings_tab.h"
#include "import/import_messages.h"
#include "import/ledger_csv.h"
#include "import/pdf_text.h"
#include "import/preview_checks.h"
#include "import/statement_reading.h"
#include "import_dialog.h"
#include "ledger_refresh_pause.h"
#include "prompt.h"
#include "store/dmMain.h"
#include "store/dm_calculation.h"
#include "store/import_apply.h"
#include "store/store_messages.h"
#include "uMain.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

namespace rv {

namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

using import::PreviewChecks;

// The preview's checks of a reading against the open case as it stands.
PreviewChecks checksOfReading(TdMain& dm, const import::StatementReading& reading) {
    return import::checkReading(*dm.CalcReference(), reading, currentMonthsUnseen(dm),
                                dm.CurrentPerson());
}

} // namespace

void TfrmMain::aImportEarningsExecute() {
    FileRequest request;
    request.mode = FileRequest::Mode::Open;
    request.filter = text(captions::kImportFileFilter);
    const std::optional<QString> path = m_prompt->chooseFile(request);
    if (!path)
        return;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_prompt->error(text(messages::kCaseOpenFailed));
        return;
    }
    const QByteArray bytes = file.readAll();
    importEarnings(bytes.toStdString());
}

void TfrmMain::aImportEarningsPasteExecute() {
    const QString pasted = QGuiApplication::clipboard()->text();
    if (pasted.trimmed().isEmpty()) {
        m_prompt->warning(text(captions::kImportClipboardEmpty));
        return;
    }
    importEarnings(pasted.toStdString());
}

void TfrmMain::importEarnings(const std::string& bytes) {
    if (!m_dMain || m_dMain->cdsEarning.recordCount() == 0) {
        m_prompt->warning(text(captions::kImportNeedsLedger));
        return;
    }
    std::string pdfFailure;
    const std::string source = import::sourceText(bytes, pdfFailure);
    if (!pdfFailure.empty()) {
        m_prompt->warning(text(messages::kImportNothingFound) + QString::fromStdString(pdfFailure));
        return;
    }
    import::StatementReading reading =
        import::readStatement(source, m_dMain->CalcReference().get());
    if (reading.months.empty()) {
        m_prompt->warning(QString::fromStdString(reading.nothingFound));
        return;
    }
    previewImport(std::move(reading));
}

void TfrmMain::previewImport(import::StatementReading reading) {
    if (!m_dMain)
        return;
    PreviewChecks checks = checksOfReading(*m_dMain, reading);
    ImportDialog preview(std::move(reading), std::move(checks), *m_prompt, this);
    // The period is added as "Підтвердити стаж" would add a typed one; the preview stays open
    // and shows its months again against the new ledger.
    connect(&preview, &ImportDialog::periodRequested, this, [&](const import::MonthRun& run) {
        const bool added = runCommand(*m_prompt, [&] {
            {
                const LedgerRefreshPause refreshOff(*this, LedgerRefreshPause::SummaryAtExit::Keep);
                m_dMain->AddPeriod(import::periodOfRun(run));
                ClearCalcResults(false);
                earningsTab->FillYearSelector();
            }
            earningsTab->RefreshYearSummary(true);
        });
        if (added)
            preview.showChecks(checksOfReading(*m_dMain, preview.reading()));
    });
    if (preview.exec() != QDialog::Accepted)
        return;
    {
        const LedgerRefreshPause refreshPaused(*this);
        applyImportedEarnings(*m_dMain, preview.acceptedEarnings());
    }
    earningsTab->FillYearSelector();
    earningsTab->refreshEarningCommands(); // as typing the earnings would have
    if (preview.identityRequested()) {
        // Offered to the person panel as typed values; the person confirms them there.
        const import::StatementPerson& person = *preview.reading().person;
        Table& persons = m_dMain->cdsPerson;
        persons.edit();
        if (!person.name.empty())
            persons.setText("person_name", person.name);
        if (person.birthDate)
            persons.setValue("person_birthdate", *person.birthDate);
        if (person.gender)
            persons.setValue("person_gender", *person.gender);
    }
}

void TfrmMain::aExportLedgerCsvExecute() {
    if (!m_dMain)
        return;
    FileRequest request;
    request.mode = FileRequest::Mode::Save;
    request.filter = text(captions::kLedgerCsvFilter);
    request.defaultSuffix = QStringLiteral("csv");
    const std::optional<QString> path = m_prompt->chooseFile(request);
    if (!path)
        return;
    try {
        import::saveLedgerCsv(m_dMain->cdsEarning, path->toStdString());
    } catch (const std::exception&) {
        m_prompt->error(text(messages::kCaseSaveFailed));
    }
}

} // namespace rv

// The protocol's commands of the main window: print it through the preview, save it as PDF.
#include "store/dm_calculation.h"
#include "captions.h"
#include "display_format.h"
#include "prompt.h"
#include "report/protocol_document.h"
#include "calc/messages.h"
#include "uMain.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>

namespace rv {

namespace {

// "Протокол розрахунку — Петренко.pdf" beside the case file, or in the dialog's last folder;
// characters a file name may not hold become blanks.
QString proposedProtocolName(const QString& caseFileName, const std::string& personName) {
    QString name = QString::fromStdString(personName).simplified();
    for (const QChar refused : QStringLiteral("/\\:*?\"<>|"))
        name.replace(refused, QLatin1Char(' '));
    QString fileName = QString::fromUtf8(captions::kProtocolFileName);
    if (!name.trimmed().isEmpty())
        fileName += QStringLiteral(" — ") + name.simplified();
    fileName += QStringLiteral(".") + QString::fromUtf8(captions::kPdfExtension);
    if (caseFileName.isEmpty())
        return fileName;
    return QFileInfo(caseFileName).dir().filePath(fileName);
}

} // namespace

Protocol TfrmMain::makeProtocol(const CalculationResult& result) {
    ProtocolMaking making;
    making.madeAt =
        QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm")).toStdString();
    making.programVersion = RV_VERSION;
    making.decimalSeparator = decimalSeparator();
    return buildProtocol(*m_dMain, result, making);
}

void TfrmMain::aProtocolPrintExecute() {
    const std::optional<CalculationResult> result = calculateAndShow();
    if (!result)
        return;
    const Protocol protocol = makeProtocol(*result);
    const QString title = QString::fromUtf8(messages::kProtocolTitle) + QStringLiteral(" — ") +
                          QString::fromStdString(protocol.personName);
    m_prompt->printWithPreview(
        title, [&protocol](QPrinter& printer) { paintProtocol(protocol, printer); });
}

void TfrmMain::aProtocolPdfExecute() {
    const std::optional<CalculationResult> result = calculateAndShow();
    if (!result)
        return;
    const Protocol protocol = makeProtocol(*result);
    sdProtocol.fileName = proposedProtocolName(CaseFileName, protocol.personName);
    const std::optional<QString> path = sdProtocol.execute(*m_prompt, FileRequest::Mode::Save);
    if (!path)
        return;
    if (const std::optional<QString> failure = writeProtocolPdf(protocol, *path))
        m_prompt->error(*failure);
}

} // namespace rv

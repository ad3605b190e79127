#include "protocol_output.h"

#include "calc/messages.h"
#include "calc/protocol.h"
#include "report/protocol_document.h"
#include "cli/cli_messages.h"

#include <QDateTime>
#include <QGuiApplication>

namespace rv::cli {

namespace {

// The offscreen platform of Qt Gui: fonts and painting without a display.
std::optional<QString> writeHeadless(const Protocol& protocol, const std::string& path) {
    if (QGuiApplication::instance())
        return writeProtocolPdf(protocol, QString::fromStdString(path));
    char program[] = "ravelta-calc";
    char platformOption[] = "-platform";
    char platform[] = "offscreen";
    char* arguments[] = {program, platformOption, platform, nullptr};
    int count = 3;
    const QGuiApplication application(count, arguments);
    return writeProtocolPdf(protocol, QString::fromStdString(path));
}

} // namespace

CalculatedCase ProtocolOutput::writer() {
    return [this](const Case& open, const Reference& reference, const CalculationResult& result) {
        ProtocolMaking making;
        making.madeAt =
            QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm")).toStdString();
        making.programVersion = RV_VERSION;
        making.decimalSeparator = '.'; // as the calculator's results
        const Protocol protocol = buildProtocol(open, reference, result, making);
        if (const auto failure = writeHeadless(protocol, m_path))
            m_failure = failure->toStdString();
        else
            m_written = true;
    };
}

std::optional<std::string> ProtocolOutput::failure() const {
    if (m_failure)
        return m_failure;
    if (!m_written)
        return std::string(messages::kProtocolNotCalculated);
    return std::nullopt;
}

} // namespace rv::cli

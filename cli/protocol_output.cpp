#include "protocol_output.h"

#include "store/case_file_values.h"
#include "store/dmMain.h"
#include "store/protocol.h"
#include "report/protocol_document.h"
#include "calc/messages.h"

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
    return [this](const Case& person, const Reference&, const CalculationResult& result) {
        TdMain dm;
        storeCase(dm, person);
        ProtocolMaking making;
        making.madeAt =
            QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm")).toStdString();
        making.programVersion = RV_VERSION;
        making.decimalSeparator = '.'; // as the calculator's results
        const Protocol protocol = buildProtocol(dm, result, making);
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

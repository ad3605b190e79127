#include "application.h"

#include "command.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QStringList>

namespace rv {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setOrganizationName(QStringLiteral("Ravelta"));
    setApplicationName(QStringLiteral("Ravelta"));
    setApplicationVersion(QStringLiteral(RV_VERSION));
    setDesktopFileName(QStringLiteral("ravelta"));
    setWindowIcon(QIcon(QStringLiteral(":/ravelta.png")));
    // The toolkit's translations: Qt's own when installed, else the copy installed beside the
    // program (share/ravelta/translations under the installation prefix).
    const QString folders[] = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                               applicationDirPath() +
                                   QStringLiteral("/../share/ravelta/translations")};
    for (const QString& folder : folders)
        if (m_qtTranslations.load(QStringLiteral("qtbase_uk"), folder)) {
            installTranslator(&m_qtTranslations);
            break;
        }
    installTranslator(&m_missingQtTexts);
}

QString caseFileArgument(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (!arguments[i].startsWith(QLatin1Char('-')))
            return arguments[i];
    return {};
}

bool Application::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    Prompt& prompt = m_prompt ? *m_prompt : m_ownPrompt;
    runCommand(prompt, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace rv

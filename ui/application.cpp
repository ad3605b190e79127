#include "application.h"

#include "command.h"

#include <QLibraryInfo>

namespace rv {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    if (m_qtTranslations.load(QStringLiteral("qtbase_uk"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&m_qtTranslations);
}

bool Application::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    Prompt& prompt = m_prompt ? *m_prompt : m_ownPrompt;
    runCommand(prompt, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace rv

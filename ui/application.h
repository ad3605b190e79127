#pragma once

#include "prompt.h"

#include <QApplication>
#include <QPointer>
#include <QTranslator>

namespace rv {

// The application object: Ukrainian texts on the toolkit's standard buttons, and the top-level
// error handler that shows an error no command caught and lets the program go on.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    // The prompt layer of the main window; without one the errors go to real boxes.
    void setPrompt(Prompt* prompt) { m_prompt = prompt; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QTranslator m_qtTranslations;
    Prompt m_ownPrompt{nullptr};
    QPointer<Prompt> m_prompt;
};

} // namespace rv

#pragma once

#include "prompt.h"
#include "qt_texts_uk.h"

#include <QApplication>
#include <QPointer>
#include <QTranslator>

namespace rv {

// The application object: the toolkit's own texts in Ukrainian, the names under which the
// settings (the recent files) are kept, and the top-level error handler that shows an error no
// command caught and lets the program go on.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    // The prompt layer of the main window; without one the errors go to real boxes.
    void setPrompt(Prompt* prompt) { m_prompt = prompt; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QTranslator m_qtTranslations;
    MissingQtTexts m_missingQtTexts;
    Prompt m_ownPrompt{nullptr};
    QPointer<Prompt> m_prompt;
};

// The case file named on the command line ("Ravelta справа.csf"): the first argument after the
// program's own name that is not an option; empty when there is none.
QString caseFileArgument(const QStringList& arguments);

} // namespace rv

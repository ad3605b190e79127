#pragma once

#include "ui/prompt.h"

#include <QList>
#include <QPrinter>
#include <QString>
#include <QStringList>

#include <optional>

Q_DECLARE_METATYPE(rv::PromptIcon)

// Answers the program's boxes and dialogs in tests: records every request and gives the scripted
// answers in order. A box with only an OK button is acknowledged; a question or a dialog nobody
// scripted an answer for is cancelled and counted.
class ScriptedPrompt : public rv::PromptHandler {
public:
    QMessageBox::StandardButton showMessage(QWidget* parent,
                                            const rv::MessageRequest& request) override {
        messages.append(request);
        parents.append(parent);
        if (answers.isEmpty() && request.buttons == QMessageBox::Ok)
            return QMessageBox::Ok;
        if (answers.isEmpty()) {
            ++unanswered;
            return QMessageBox::NoButton;
        }
        return answers.takeFirst();
    }

    std::optional<QString> chooseFile(QWidget*, const rv::FileRequest& request) override {
        files.append(request);
        if (fileAnswers.isEmpty()) {
            ++unanswered;
            return std::nullopt;
        }
        return fileAnswers.takeFirst();
    }

    // The preview is not shown: the document is laid out on a PDF printer writing to
    // printPath when a test names one, as printing would.
    void printWithPreview(QWidget*, const QString& title,
                          const std::function<void(QPrinter&)>& paint) override {
        printTitles.append(title);
        if (printPath.isEmpty())
            return;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printPath);
        paint(printer);
    }

    // The texts of the boxes shown so far, in order.
    QStringList messageTexts() const {
        QStringList texts;
        for (const rv::MessageRequest& message : messages)
            texts.append(message.text);
        return texts;
    }

    QList<rv::MessageRequest> messages;
    QStringList printTitles;
    QString printPath;
    QList<QWidget*> parents;
    QList<QMessageBox::StandardButton> answers;
    QList<rv::FileRequest> files;
    QList<std::optional<QString>> fileAnswers;
    int unanswered = 0;
};

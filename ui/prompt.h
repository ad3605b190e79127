#pragma once

#include "store/dmMain.h"

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPair>
#include <QString>

#include <functional>
#include <optional>
#include <string>

class QPrinter;
class QWidget;

namespace rv {

enum class PromptIcon { None, Information, Warning, Critical, Question };

// One message box as the program asks for it.
struct MessageRequest {
    QString title;
    QString text;
    PromptIcon icon = PromptIcon::None;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool ownedByWindow = true; // false: the box belongs to the application, not the window
    // The program's own texts for some buttons, where the toolkit's would not say what they do.
    QList<QPair<QMessageBox::StandardButton, QString>> buttonTexts{};
    // Technical details behind the box's "Показати подробиці" button; empty for none.
    QString details{};
};

// The answers to the question about changes not yet saved.
enum class UnsavedChoice { Save, Discard, Cancel };

// One modal file dialog.
struct FileRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString filter;        // Qt filter list, entries joined by ";;"
    QString defaultSuffix; // added to a typed name without an extension
    QString proposedPath;  // the name (and folder) the dialog starts with
};

// Shows the boxes and dialogs: the program uses real ones, the tests a scripted answerer.
class PromptHandler {
public:
    virtual ~PromptHandler() = default;
    // The button the person pressed.
    virtual QMessageBox::StandardButton showMessage(QWidget* parent,
                                                    const MessageRequest& request) = 0;
    // The chosen path; empty when the person cancels.
    virtual std::optional<QString> chooseFile(QWidget* parent, const FileRequest& request) = 0;
    // The print preview with its print dialog: `paint` lays the document out on the printer
    // chosen, for the preview and for printing.
    virtual void printWithPreview(QWidget* parent, const QString& title,
                                  const std::function<void(QPrinter&)>& paint) = 0;
};

// The real message boxes and file dialogs of the toolkit.
class DialogPromptHandler : public PromptHandler {
public:
    QMessageBox::StandardButton showMessage(QWidget* parent,
                                            const MessageRequest& request) override;
    std::optional<QString> chooseFile(QWidget* parent, const FileRequest& request) override;
    void printWithPreview(QWidget* parent, const QString& title,
                          const std::function<void(QPrinter&)>& paint) override;
};

// The one way the program talks to the person in boxes and dialogs. It holds the title and icon
// rules: boxes are titled "Равелта", the two clear questions "Підтвердження", plain boxes carry
// the program file's base name. Core warnings arrive here through CorePrompt.
class Prompt : public QObject, public CorePrompt {
    Q_OBJECT
public:
    // Without a handler the real boxes and dialogs are shown.
    explicit Prompt(QWidget* window, PromptHandler* handler = nullptr);

    void information(const QString& text);
    void warning(const QString& text);
    void warning(const std::string& text) override;
    // A failure (a file that cannot be written, an unexpected error): owned by no window.
    void error(const QString& text);
    void error(const std::string& text) override;
    // A question with Yes and No; true on Yes.
    bool askYesNo(const QString& text);
    // The clear questions: titled "Підтвердження", owned by the application, No as default.
    bool confirm(const QString& text);
    // Changes not yet saved: "Зберегти", "Не зберігати" and "Скасувати", "Зберегти" the default
    // and Escape cancelling. A box closed without an answer cancels.
    UnsavedChoice askSaveChanges(const QString& text);
    // "Файл … вже існує. Замінити його?" with No as the default; true on Yes.
    bool confirmReplace(const QString& path);
    // An unexpected failure: a Ukrainian text, the technical one behind "Показати подробиці".
    void failure(const QString& technicalText);
    // Text and an OK button, titled with the application's title.
    void plain(const QString& text);
    // The toolkit's own question (a grid's "Delete record?"): Yes and No, titled like plain boxes.
    bool askPlainYesNo(const QString& text);
    std::optional<QString> chooseFile(const FileRequest& request);
    void printWithPreview(const QString& title, const std::function<void(QPrinter&)>& paint);

    // The title of plain boxes: the program file's base name ("Ravelta").
    static QString applicationTitle();

private:
    QMessageBox::StandardButton show(const MessageRequest& request);

    QWidget* m_window;
    PromptHandler* m_handler;
    DialogPromptHandler m_dialogs;
};

} // namespace rv

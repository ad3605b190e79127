#include "prompt.h"

#include "captions.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace rv {

namespace {

QMessageBox::Icon boxIcon(PromptIcon icon) {
    switch (icon) {
    case PromptIcon::None:
        return QMessageBox::NoIcon;
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Warning:
        return QMessageBox::Warning;
    case PromptIcon::Critical:
        return QMessageBox::Critical;
    case PromptIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QMessageBox::StandardButton DialogPromptHandler::showMessage(QWidget* parent,
                                                             const MessageRequest& request) {
    QMessageBox box(boxIcon(request.icon), request.title, request.text, request.buttons,
                    request.ownedByWindow ? parent : nullptr);
    if (request.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(request.defaultButton);
    for (const auto& [button, text] : request.buttonTexts)
        if (QAbstractButton* shown = box.button(button))
            shown->setText(text);
    if (request.buttons.testFlag(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    if (!request.details.isEmpty())
        box.setDetailedText(request.details);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void DialogPromptHandler::printWithPreview(QWidget* parent, const QString& title,
                                           const std::function<void(QPrinter&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* chosen) { paint(*chosen); });
    preview.exec();
}

std::optional<QString> DialogPromptHandler::chooseFile(QWidget* parent,
                                                       const FileRequest& request) {
    QFileDialog dialog(parent, QString(), request.proposedPath, request.filter);
    const bool save = request.mode == FileRequest::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

Prompt::Prompt(QWidget* window, PromptHandler* handler)
    : QObject(window), m_window(window), m_handler(handler ? handler : &m_dialogs) {}

QMessageBox::StandardButton Prompt::show(const MessageRequest& request) {
    return m_handler->showMessage(m_window, request);
}

void Prompt::information(const QString& text) {
    show({captions::kProgramTitle, text, PromptIcon::Information});
}

void Prompt::warning(const QString& text) {
    show({captions::kProgramTitle, text, PromptIcon::Warning});
}

void Prompt::warning(const std::string& text) {
    warning(QString::fromStdString(text));
}

void Prompt::error(const QString& text) {
    show({captions::kProgramTitle, text, PromptIcon::Critical, QMessageBox::Ok,
          QMessageBox::NoButton, false});
}

void Prompt::error(const std::string& text) {
    error(QString::fromStdString(text));
}

bool Prompt::askYesNo(const QString& text) {
    return show({captions::kProgramTitle, text, PromptIcon::Question,
                 QMessageBox::Yes | QMessageBox::No}) == QMessageBox::Yes;
}

UnsavedChoice Prompt::askSaveChanges(const QString& text) {
    MessageRequest request{captions::kProgramTitle, text, PromptIcon::Question,
                           QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                           QMessageBox::Save};
    request.buttonTexts = {{QMessageBox::Save, QString::fromUtf8(captions::kSaveButton)},
                           {QMessageBox::Discard, QString::fromUtf8(captions::kDiscardButton)},
                           {QMessageBox::Cancel, QString::fromUtf8(captions::kCancelButton)}};
    switch (show(request)) {
    case QMessageBox::Save:
        return UnsavedChoice::Save;
    case QMessageBox::Discard:
        return UnsavedChoice::Discard;
    default:
        return UnsavedChoice::Cancel;
    }
}

bool Prompt::confirmReplace(const QString& path) {
    const QString text = QString::fromUtf8(captions::kReplaceQuestion)
                             .arg(QDir::toNativeSeparators(QFileInfo(path).fileName()));
    return show({captions::kProgramTitle, text, PromptIcon::Question,
                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No}) == QMessageBox::Yes;
}

void Prompt::failure(const QString& technicalText) {
    MessageRequest request{captions::kProgramTitle, QString::fromUtf8(captions::kUnexpectedFailure),
                           PromptIcon::Critical,    QMessageBox::Ok,
                           QMessageBox::NoButton,   false};
    request.details = technicalText;
    show(request);
}

bool Prompt::confirm(const QString& text) {
    return show({captions::kConfirmationTitle, text, PromptIcon::Question,
                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No, false}) == QMessageBox::Yes;
}

void Prompt::plain(const QString& text) {
    show({applicationTitle(), text});
}

bool Prompt::askPlainYesNo(const QString& text) {
    return show({applicationTitle(), text, PromptIcon::Question,
                 QMessageBox::Yes | QMessageBox::No}) == QMessageBox::Yes;
}

void Prompt::printWithPreview(const QString& title, const std::function<void(QPrinter&)>& paint) {
    m_handler->printWithPreview(m_window, title, paint);
}

std::optional<QString> Prompt::chooseFile(const FileRequest& request) {
    return m_handler->chooseFile(m_window, request);
}

QString Prompt::applicationTitle() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace rv

#include "file_dialog.h"

#include <QFileInfo>
#include <QStringList>

namespace rv {

QString qtFilterList(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString text = parts[i].trimmed();
        const QString patterns = QStringLiteral("(%1)").arg(parts[i + 1].trimmed());
        entries.append(text.endsWith(patterns) ? text : text + QLatin1Char(' ') + patterns);
    }
    return entries.join(QStringLiteral(";;"));
}

QString withDefaultExtension(const QString& path, const QString& extension) {
    if (extension.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    QString named = path;
    if (!named.endsWith(QLatin1Char('.')))
        named += QLatin1Char('.');
    return named + extension;
}

std::optional<QString> FileDialogState::execute(Prompt& prompt, FileRequest::Mode mode) {
    for (;;) {
        std::optional<QString> chosen =
            prompt.chooseFile({mode, qtFilterList(filter), defaultExtension, fileName});
        if (!chosen || mode == FileRequest::Mode::Open) {
            if (chosen)
                fileName = *chosen;
            return chosen;
        }
        const QString path = withDefaultExtension(*chosen, defaultExtension);
        fileName = path;
        if (!refusedExtension.isEmpty() &&
            QFileInfo(path).suffix().compare(refusedExtension, Qt::CaseInsensitive) == 0) {
            prompt.warning(refusedExtensionMessage);
            fileName = path.chopped(refusedExtension.size()) + defaultExtension;
            continue;
        }
        if (QFileInfo::exists(path) && !prompt.confirmReplace(path))
            continue;
        return path;
    }
}

} // namespace rv

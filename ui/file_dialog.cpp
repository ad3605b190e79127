#include "file_dialog.h"

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

std::optional<QString> FileDialogState::execute(Prompt& prompt, FileRequest::Mode mode) {
    const std::optional<QString> chosen =
        prompt.chooseFile({mode, qtFilterList(filter), defaultExtension, fileName});
    if (chosen)
        fileName = *chosen;
    return chosen;
}

} // namespace rv

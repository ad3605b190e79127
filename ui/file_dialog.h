#pragma once

#include "prompt.h"

#include <QString>

#include <optional>

namespace rv {

// A file dialog that the window keeps between uses: its filter, default extension and the name
// last chosen, which the next showing proposes.
struct FileDialogState {
    // Entries of a display text and a pattern joined by "|": "Text|*.ext|Text|*.*".
    QString filter;
    // Added to a name typed without an extension.
    QString defaultExtension;
    QString fileName;
    // An extension (without the dot) that a saved name may not end with, and the warning shown
    // when it does; the dialog then opens again. Empty for none.
    QString refusedExtension;
    QString refusedExtensionMessage;

    // Shows the dialog; the chosen path is kept as fileName. Empty when the person cancels. On
    // saving, a name without an extension gets the default one, and an existing file is replaced
    // only after the person agrees; otherwise the dialog opens again.
    std::optional<QString> execute(Prompt& prompt, FileRequest::Mode mode);
};

// The "|" filter list as Qt's ";;" list: each entry "Text (pattern)", the pattern appended
// unless the text already ends with it in brackets.
QString qtFilterList(const QString& filter);

// The path with ".extension" appended when its file name has no extension.
QString withDefaultExtension(const QString& path, const QString& extension);

} // namespace rv

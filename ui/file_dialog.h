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

    // Shows the dialog; the chosen path is kept as fileName. Empty when the person cancels.
    std::optional<QString> execute(Prompt& prompt, FileRequest::Mode mode);
};

// The "|" filter list as Qt's ";;" list: each entry "Text (pattern)", the pattern appended
// unless the text already ends with it in brackets.
QString qtFilterList(const QString& filter);

} // namespace rv

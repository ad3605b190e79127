#include "qt_texts_uk.h"

#include <cstring>

namespace rv {

namespace {

struct QtText {
    const char* context;
    const char* source;
    const char* ukrainian;
};

constexpr QtText kTexts[] = {
    {"QAbstractFileIconProvider", "Folder", "Тека"},
    {"QAbstractFileIconProvider", "Drive", "Диск"},
    {"QAbstractFileIconProvider", "File", "Файл"},
    {"QAbstractFileIconProvider", "%1 File", "Файл %1"},
    {"QAbstractFileIconProvider", "Shortcut", "Ярлик"},
    {"QAbstractFileIconProvider", "Alias", "Псевдонім"},
};

} // namespace

QString MissingQtTexts::translate(const char* context, const char* sourceText, const char*,
                                  int) const {
    if (!context || !sourceText)
        return {};
    for (const QtText& text : kTexts)
        if (std::strcmp(context, text.context) == 0 && std::strcmp(sourceText, text.source) == 0)
            return QString::fromUtf8(text.ukrainian);
    return {};
}

} // namespace rv

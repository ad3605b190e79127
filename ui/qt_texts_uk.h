#pragma once

#include <QTranslator>

namespace rv {

// Ukrainian for the few texts of the toolkit that its own translations leave in English (the
// file dialog's type column: "Folder", "Drive", "File"). Installed after the toolkit's
// translations, it answers only for those texts.
class MissingQtTexts : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }
};

} // namespace rv

#pragma once

#include "engine/value.h"

#include <QString>

namespace rv {

// The decimal separator of the user's regional settings (the default QLocale).
char decimalSeparator();

// A field value as grids and editors show it: dates "dd.MM.yyyy", integers in decimal, texts as
// they are, floats by a display format ("0.00": exactly two decimals, "0.00###": two to five;
// empty: the general format) with the user's decimal separator. Empty values show as "".
QString displayText(const Value& value, const QString& displayFormat = {});

} // namespace rv

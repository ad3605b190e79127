#include "display_format.h"

#include "store/number_format.h"

#include <QLocale>

namespace rv {

namespace {

// The decimals of a pattern like "0.00###": the zeros after the point are always written, the
// hashes only when they are not trailing zeros.
struct PatternDecimals {
    int minimum = 0;
    int maximum = 0;
};

PatternDecimals patternDecimals(const QString& pattern) {
    PatternDecimals decimals;
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    if (point < 0)
        return decimals;
    for (qsizetype i = point + 1; i < pattern.size(); ++i) {
        if (pattern[i] == QLatin1Char('0'))
            ++decimals.minimum;
        else if (pattern[i] != QLatin1Char('#'))
            break;
        ++decimals.maximum;
    }
    return decimals;
}

QString formatFloat(double value, const QString& displayFormat) {
    const char separator = decimalSeparator();
    if (displayFormat.isEmpty())
        return QString::fromStdString(formatGeneral(value, separator));
    const PatternDecimals decimals = patternDecimals(displayFormat);
    return QString::fromStdString(
        formatPattern(value, decimals.minimum, decimals.maximum, separator));
}

} // namespace

char decimalSeparator() {
    const QString point = QLocale().decimalPoint();
    if (point.size() == 1 && point[0].unicode() < 0x80)
        return static_cast<char>(point[0].unicode());
    return '.';
}

QString displayText(const Value& value, const QString& displayFormat) {
    if (const auto* integer = std::get_if<std::int32_t>(&value))
        return QString::number(*integer);
    if (const auto* number = std::get_if<double>(&value))
        return formatFloat(*number, displayFormat);
    if (const auto* text = std::get_if<std::string>(&value))
        return QString::fromStdString(*text);
    if (const auto* date = std::get_if<Date>(&value))
        return QString::fromStdString(formatDate(*date));
    return {};
}

} // namespace rv

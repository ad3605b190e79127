#include "display_format.h"

#include "calc/number_format.h"

#include <QLocale>

namespace rv {

namespace {

QString formatFloat(double value, const QString& displayFormat) {
    return QString::fromStdString(
        formatDisplay(value, displayFormat.toStdString(), decimalSeparator()));
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

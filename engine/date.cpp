#include "date.h"

#include <charconv>

namespace rv {

namespace {

bool readNumber(std::string_view text, std::size_t minDigits, std::size_t maxDigits, int& out) {
    if (text.size() < minDigits || text.size() > maxDigits)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && ptr == text.data() + text.size();
}

void appendPadded(std::string& out, int value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        out.append(static_cast<std::size_t>(width) - digits.size(), '0');
    out += digits;
}

} // namespace

std::string formatDate(Date date) {
    const CivilDate c = civilFromDate(date);
    std::string out;
    out.reserve(10);
    appendPadded(out, c.day, 2);
    out += '.';
    appendPadded(out, c.month, 2);
    out += '.';
    appendPadded(out, c.year, 4);
    return out;
}

// date := day "." month "." year ; day, month := 1*2DIGIT ; year := 4DIGIT
std::optional<Date> parseDate(std::string_view text) {
    const auto firstDot = text.find('.');
    if (firstDot == std::string_view::npos)
        return std::nullopt;
    const auto secondDot = text.find('.', firstDot + 1);
    if (secondDot == std::string_view::npos)
        return std::nullopt;
    int day = 0, month = 0, year = 0;
    if (!readNumber(text.substr(0, firstDot), 1, 2, day) ||
        !readNumber(text.substr(firstDot + 1, secondDot - firstDot - 1), 1, 2, month) ||
        !readNumber(text.substr(secondDot + 1), 4, 4, year))
        return std::nullopt;
    if (!isValidCivil(year, month, day))
        return std::nullopt;
    return dateFromCivil(year, month, day);
}

} // namespace rv

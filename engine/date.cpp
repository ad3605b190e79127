#include "date.h"

#include <cassert>
#include <charconv>

namespace rv {

namespace {

// Days from 0001-03-01 style civil algorithm (H. Hinnant), shifted to the 30.12.1899 epoch.
constexpr std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

constexpr std::int64_t kEpochOffset = daysFromCivil(1899, 12, 30);

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

bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int daysInMonth(int year, int month) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    assert(month >= 1 && month <= 12);
    return month == 2 && isLeapYear(year) ? 29 : kLengths[month - 1];
}

bool isValidCivil(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

Date dateFromCivil(int year, int month, int day) {
    assert(isValidCivil(year, month, day));
    return Date{static_cast<std::int32_t>(daysFromCivil(year, static_cast<unsigned>(month),
                                                        static_cast<unsigned>(day)) -
                                          kEpochOffset)};
}

CivilDate civilFromDate(Date date) {
    const std::int64_t z = static_cast<std::int64_t>(date.serial) + kEpochOffset + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return CivilDate{static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

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

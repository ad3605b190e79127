#include "calendar.h"

#include <charconv>
#include <cstdlib>

namespace rv {

namespace {

constexpr std::int32_t kDaysPerMonth = 30;
constexpr std::int32_t kMonthsPerYear = 12;

// Moves whole multiples of `unit` from `low` into `high`, leaving 0 <= low < unit. Equal to
// repeating "low += unit, high -= 1" while low < 0 and "low -= unit, high += 1" while
// low >= unit, without the loops.
void carry(std::int32_t& low, std::int32_t& high, std::int32_t unit) {
    std::int32_t quotient = low / unit;
    std::int32_t remainder = low % unit;
    if (remainder < 0) {
        remainder += unit;
        --quotient;
    }
    low = remainder;
    high += quotient;
}

bool readInt32(std::string_view text, std::int32_t& out) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end;
}

bool readDigits(std::string_view text, int& out) {
    if (text.empty() || text.size() > 2)
        return false;
    out = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        out = out * 10 + (c - '0');
    }
    return true;
}

// time := hh ":" nn [ ":" ss ] ; hh, nn, ss := 1*2DIGIT
bool isTimeOfDay(std::string_view text) {
    static constexpr int kLimits[3] = {24, 60, 60};
    for (int count = 0; count < 3; ++count) {
        const auto colon = text.find(':');
        int part = 0;
        if (!readDigits(text.substr(0, colon), part) || part >= kLimits[count])
            return false;
        if (colon == std::string_view::npos)
            return count >= 1;
        text.remove_prefix(colon + 1);
    }
    return false;
}

} // namespace

YearsMonthsDays ExpPeriodYMD(Date start, Date end) {
    const CivilDate first = civilFromDate(start);
    const CivilDate last = civilFromDate(end);
    // The end day counts, except that the 1st to a month's last day is whole months: 01.03.1993
    // to 28.02.2025 is 32 years.
    const bool wholeMonths = first.day == 1 && last.day == daysInMonth(last.year, last.month);
    YearsMonthsDays length{last.year - first.year, last.month - first.month,
                           wholeMonths ? 0 : last.day - first.day + 1};
    if (wholeMonths)
        ++length.months;
    NormalizeYMD(length);
    return length;
}

void NormalizeYMD(YearsMonthsDays& length) {
    carry(length.days, length.months, kDaysPerMonth);
    carry(length.months, length.years, kMonthsPerYear);
}

std::string lengthText(const YearsMonthsDays& length) {
    return std::to_string(length.years) + '/' + std::to_string(length.months) + '/' +
           std::to_string(length.days);
}

// length := int "/" int "/" int ; int := ["-"] 1*DIGIT
std::optional<YearsMonthsDays> parseLengthText(std::string_view text) {
    const auto firstSlash = text.find('/');
    if (firstSlash == std::string_view::npos)
        return std::nullopt;
    const auto secondSlash = text.find('/', firstSlash + 1);
    if (secondSlash == std::string_view::npos)
        return std::nullopt;
    YearsMonthsDays length;
    if (!readInt32(text.substr(0, firstSlash), length.years) ||
        !readInt32(text.substr(firstSlash + 1, secondSlash - firstSlash - 1), length.months) ||
        !readInt32(text.substr(secondSlash + 1), length.days))
        return std::nullopt;
    return length;
}

PeriodLength ExpPeriodLength(Date start, Date end) {
    return PeriodLength{end.serial - start.serial, lengthText(ExpPeriodYMD(start, end))};
}

std::int32_t FullYearsBetween(Date a, Date b) {
    // 365.25 days = 1461 / 4, so |a - b| / 365.25 truncated is 4 |a - b| / 1461 in integers.
    const std::int64_t days = std::llabs(std::int64_t{a.serial} - b.serial);
    return static_cast<std::int32_t>(days * 4 / 1461);
}

Date MonthStart(int year, int month0) {
    return MonthStart(LedgerMonth{year, month0});
}

int MonthLength(Date date) {
    const CivilDate civil = civilFromDate(date);
    return daysInMonth(civil.year, civil.month);
}

// text := date [ " " time ] ; date := dd "." mm "." yyyy
Date DateFromText(std::string_view text) {
    const auto space = text.find(' ');
    if (space != std::string_view::npos && !isTimeOfDay(text.substr(space + 1)))
        return Date{};
    return parseDate(text.substr(0, space)).value_or(Date{});
}

} // namespace rv

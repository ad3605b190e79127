#pragma once

#include <cassert>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rv {

// A calendar day as a serial day number: day 0 is 30.12.1899, proleptic Gregorian.
struct Date {
    std::int32_t serial = 0;
    auto operator<=>(const Date&) const = default;
};

// Year 1..9999, month 1..12, day 1..31.
struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
    auto operator<=>(const CivilDate&) const = default;
};

inline bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// month 1..12
inline int daysInMonth(int year, int month) {
    static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    assert(month >= 1 && month <= 12);
    return month == 2 && isLeapYear(year) ? 29 : kLengths[month - 1];
}

inline bool isValidCivil(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

namespace date_detail {

// Days from 0001-03-01 style civil algorithm (H. Hinnant), shifted to the 30.12.1899 epoch.
constexpr std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

inline constexpr std::int64_t kEpochOffset = daysFromCivil(1899, 12, 30);

} // namespace date_detail

// Inline: a calculation converts several dates for every month of the ledger.
// The caller guarantees a valid civil date (asserted).
inline Date dateFromCivil(int year, int month, int day) {
    assert(isValidCivil(year, month, day));
    return Date{static_cast<std::int32_t>(
        date_detail::daysFromCivil(year, static_cast<unsigned>(month),
                                   static_cast<unsigned>(day)) -
        date_detail::kEpochOffset)};
}

inline CivilDate civilFromDate(Date date) {
    const std::int64_t z =
        static_cast<std::int64_t>(date.serial) + date_detail::kEpochOffset + 719468;
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

// The one text form of a date used for display defaults, filter expressions and files:
// "dd.MM.yyyy".
std::string formatDate(Date date);

// Reads "d.m.yyyy" with one- or two-digit day and month and a four-digit year, "." between;
// nothing else may follow. Empty when the text is not a valid calendar date.
std::optional<Date> parseDate(std::string_view text);

} // namespace rv

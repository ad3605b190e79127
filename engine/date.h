#pragma once

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

bool isLeapYear(int year);
int daysInMonth(int year, int month); // month 1..12
bool isValidCivil(int year, int month, int day);

// The caller guarantees a valid civil date (asserted).
Date dateFromCivil(int year, int month, int day);
CivilDate civilFromDate(Date date);

// The one text form of a date used for display defaults, filter expressions and files:
// "dd.MM.yyyy".
std::string formatDate(Date date);

// Reads "d.m.yyyy" with one- or two-digit day and month and a four-digit year, "." between;
// nothing else may follow. Empty when the text is not a valid calendar date.
std::optional<Date> parseDate(std::string_view text);

} // namespace rv

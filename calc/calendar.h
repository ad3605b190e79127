#pragma once

#include "engine/date.h"
#include "calc/ledger_month.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rv {

// A length of experience counted as employment records are read: 30-day months, 12-month
// years. Normal form: 0 <= days <= 29, 0 <= months <= 11, years takes the rest.
struct YearsMonthsDays {
    std::int32_t years = 0;
    std::int32_t months = 0;
    std::int32_t days = 0;
    bool operator==(const YearsMonthsDays&) const = default;
};

// Length of a period with both ends counted, in normal form; the 1st of a month to the last day
// of a month counts as whole months.
YearsMonthsDays ExpPeriodYMD(Date start, Date end);

// Carries days into months (30 each) and months into years (12 each); any integers accepted.
void NormalizeYMD(YearsMonthsDays& length);

// "years/months/days", e.g. "1/0/0" or "0/11/16".
std::string lengthText(const YearsMonthsDays& length);

// Reads back what lengthText writes; empty on anything else.
std::optional<YearsMonthsDays> parseLengthText(std::string_view text);

struct PeriodLength {
    std::int32_t days; // end - start: the end day is not counted
    std::string text;  // lengthText of ExpPeriodYMD
};

PeriodLength ExpPeriodLength(Date start, Date end);

// |a - b| in days divided by 365.25, truncated; never negative, symmetric in a and b.
std::int32_t FullYearsBetween(Date a, Date b);

// The first day of a ledger month; inline, as it is read for every month several times.
inline Date MonthStart(LedgerMonth month) {
    return dateFromCivil(month.year, calendarMonth(month), 1);
}
Date MonthStart(int year, int month0);

// Days of the calendar month holding the date, 28..31.
int MonthLength(Date date);
// Days of a ledger month (years 1..9999), 28..31: MonthLength(MonthStart(month)) without the
// round trip through a day number.
inline int MonthLength(LedgerMonth month) {
    return daysInMonth(month.year, calendarMonth(month));
}

// Reads "dd.mm.yyyy" with an optional " hh:nn:ss", whatever the user's regional settings; the
// time of day is dropped. The zero date (30.12.1899) when the text is not such a date.
Date DateFromText(std::string_view text);

} // namespace rv

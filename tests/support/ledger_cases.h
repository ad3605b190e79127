#pragma once

// The months a ledger is made of: one table for the rule (tests/calc) and for the data module's
// ledger table (tests/store).

#include <ostream>
#include <utility>
#include <vector>

namespace rv::testing_support {

// A ledger month and the days of it the periods cover.
struct MonthDays {
    int year;
    int month0;
    int days;
    bool operator==(const MonthDays&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const MonthDays& m) {
    return out << m.year << "/" << m.month0 << ": " << m.days;
}

struct LedgerMonthsCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> periods;
    std::vector<MonthDays> expected;
};

// One month per covered month, in calendar order, with the days of every period in it.
inline std::vector<LedgerMonthsCase> ledgerMonthsCases() {
    const std::vector<MonthDays> year2005 = {
        {2005, 0, 16}, {2005, 1, 28}, {2005, 2, 31}, {2005, 3, 30}, {2005, 4, 31},  {2005, 5, 30},
        {2005, 6, 31}, {2005, 7, 31}, {2005, 8, 30}, {2005, 9, 31}, {2005, 10, 30}, {2005, 11, 31}};
    const std::vector<MonthDays> acrossTheYearEnd = {
        {2004, 5, 30},  {2004, 6, 31},  {2004, 7, 31}, {2004, 8, 30}, {2004, 9, 31},
        {2004, 10, 30}, {2004, 11, 31}, {2005, 0, 31}, {2005, 1, 28}, {2005, 2, 31}};
    return {
        {"a year from the 16th of January", {{"16.01.2005", "31.12.2005"}}, year2005},
        {"inside one month", {{"10.03.2005", "20.03.2005"}}, {{2005, 2, 11}}},
        {"two periods meeting in January",
         {{"01.06.2004", "15.01.2005"}, {"16.01.2005", "31.03.2005"}},
         acrossTheYearEnd},
        {"the same two listed the other way",
         {{"16.01.2005", "31.03.2005"}, {"01.06.2004", "15.01.2005"}},
         acrossTheYearEnd},
        {"two short periods in one month",
         {{"01.03.2005", "05.03.2005"}, {"10.03.2005", "15.03.2005"}},
         {{2005, 2, 11}}},
        {"February of a leap year", {{"01.02.2004", "29.02.2004"}}, {{2004, 1, 29}}},
        {"December 1999 comes before January 2000",
         {{"20.11.1999", "10.02.2000"}},
         {{1999, 10, 11}, {1999, 11, 31}, {2000, 0, 31}, {2000, 1, 10}}},
        {"no rows for the months between periods",
         {{"01.12.2001", "31.01.2002"}, {"15.12.2003", "31.12.2003"}},
         {{2001, 11, 31}, {2002, 0, 31}, {2003, 11, 17}}},
    };
}

} // namespace rv::testing_support

#pragma once

#include "store/engine/date.h"
#include "store/messages.h"

#include <compare>
#include <iterator>
#include <string>

namespace rv {

// A month of the earnings ledger: month0 counts 0..11 from January, as `month_id` and
// `earning_month` do.
struct LedgerMonth {
    int year = 0;
    int month0 = 0;
    auto operator<=>(const LedgerMonth&) const = default;
};

// The calendar month 1..12 of a ledger month: the one place where the ledger's month number
// becomes a calendar month.
inline int calendarMonth(LedgerMonth month) {
    return month.month0 + 1;
}

// The ledger month of a calendar month 1..12, as a person writes it.
inline LedgerMonth ledgerMonthFromCalendar(int year, int calendarMonth) {
    return LedgerMonth{year, calendarMonth - 1};
}

// The month as a sentence names it, "березень 2005"; a month number outside 0..11 is written as
// its calendar number.
inline std::string monthInSentence(LedgerMonth month) {
    const bool known = month.month0 >= 0 &&
                       month.month0 < static_cast<int>(std::size(messages::kMonthNamesInSentence));
    const std::string name = known ? messages::kMonthNamesInSentence[month.month0]
                                   : std::to_string(calendarMonth(month));
    return name + " " + std::to_string(month.year);
}

inline LedgerMonth ledgerMonthOf(Date date) {
    const CivilDate civil = civilFromDate(date);
    return ledgerMonthFromCalendar(civil.year, civil.month);
}

} // namespace rv

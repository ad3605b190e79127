#pragma once

#include "calc/messages.h"
#include "engine/date.h"

#include <cassert>
#include <compare>
#include <cstdint>
#include <iterator>
#include <limits>
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

// The month that follows.
inline LedgerMonth monthAfter(LedgerMonth month) {
    return month.month0 == 11 ? LedgerMonth{month.year + 1, 0}
                              : LedgerMonth{month.year, month.month0 + 1};
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

// The step between two persons' ledger keys.
inline constexpr std::int64_t kLedgerKeyPersonStep = 1000000;

// The ledger key `earning_id` of a person's month: person id * 1000000 + year * 100 + month
// number 0..11. It fits 32 bits for person ids up to 2146 and sorts a person's months
// chronologically.
inline std::int32_t ledgerKey(std::int32_t personId, LedgerMonth month) {
    const std::int64_t key = std::int64_t{personId} * kLedgerKeyPersonStep +
                             std::int64_t{month.year} * 100 + month.month0;
    assert(key >= std::numeric_limits<std::int32_t>::min() &&
           key <= std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(key);
}

// The month a ledger key of the person stands for: the inverse of ledgerKey.
inline LedgerMonth ledgerMonthOfKey(std::int32_t personId, std::int32_t key) {
    const std::int64_t rest = std::int64_t{key} - std::int64_t{personId} * kLedgerKeyPersonStep;
    return {static_cast<int>(rest / 100), static_cast<int>(rest % 100)};
}

inline LedgerMonth ledgerMonthOf(Date date) {
    const CivilDate civil = civilFromDate(date);
    return ledgerMonthFromCalendar(civil.year, civil.month);
}

} // namespace rv

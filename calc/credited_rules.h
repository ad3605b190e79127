#pragma once

#include "calc/law.h"
#include "calc/ledger_month.h"
#include "calc/period_kind.h"
#include "engine/date.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace rv {

// A set of period kinds.
class KindSet {
public:
    void add(PeriodKind kind) { m_bits |= bit(kind); }
    bool contains(PeriodKind kind) const { return (m_bits & bit(kind)) != 0; }
    bool empty() const { return m_bits == 0; }

private:
    static std::uint16_t bit(PeriodKind kind) {
        return static_cast<std::uint16_t>(1U << static_cast<unsigned>(kind));
    }
    std::uint16_t m_bits = 0;
};

// Days from `begin` to `end`, both included; an open end reaches every later day.
struct DaySpan {
    Date begin;
    std::optional<Date> end;
    bool holds(Date day) const { return begin <= day && (!end || day <= *end); }
};

// The kinds a rule names, row by row: on a day, the row that began last among those that hold.
class KindsByDay {
public:
    void add(DaySpan span, KindSet kinds) { m_rows.push_back({span, kinds}); }
    KindSet on(Date day) const;

private:
    struct Row {
        DaySpan span;
        KindSet kinds;
    };
    std::vector<Row> m_rows; // in begin order
};

// What the law makes of the periods credited without work (ст. 11, 24, 40, розд. XV п. 3-1
// Закону № 1058-IV), read once from the law book. A rule the book lacks leaves its part off.
struct CreditedRules {
    // Ledger months of these kinds are whole months of experience whatever their earning.
    KindsByDay creditedInFull;
    // розд. XV п. 3-1: for an assignment from `rightOnlyFrom`, the days of a month of a kind in
    // its window that the earning does not credit count for the right (ст. 26) only.
    std::optional<Date> rightOnlyFrom;
    struct RightOnlyWindow {
        PeriodKind kind;
        DaySpan months;
    };
    std::vector<RightOnlyWindow> rightOnlyWindows;
    // ст. 40 ч. 2: on the assignment date, the kinds whose months from `minimumWageFrom` carry
    // the month's minimum wage in Кз.
    KindsByDay minimumWageKinds;
    std::optional<Date> minimumWageFrom;
    // The military pay counts up to this many minimum wages in the months of a row.
    struct MilitaryCap {
        DaySpan months;
        double minimumWages = 0;
    };
    std::vector<MilitaryCap> militaryCaps;

    // ст. 40 ч. 1 абз. 3, the second sentence: the months the person may leave out of Кз.
    KindsByDay nonWageKinds; // on the assignment date, inside `nonWageMonths`
    std::optional<DaySpan> nonWageMonths;
    KindsByDay categoryKinds;                 // on the assignment date, in any month
    std::optional<DaySpan> quarantineOffered; // assignment dates
    std::optional<DaySpan> quarantineMonths;
    std::optional<DaySpan> martialLawOffered;
    std::optional<DaySpan> martialLawMonths;
    int fewestMonthsAfterExclusion = 0; // 0: no rule, nothing is left out
};

CreditedRules creditedRulesOf(const law::LawBook& law);

// What the law makes of one ledger month of a kind. `lawDay` is the assignment date (or the
// application date before it is known); none reads the latest rules.
struct KindTerms {
    bool creditedInFull = false;
    bool rightOnlyRest = false;
    bool minimumWageStands = false;
    std::optional<double> capInMinimumWages;
};

KindTerms kindTermsOf(const CreditedRules& rules, PeriodKind kind, LedgerMonth month,
                      std::optional<Date> lawDay);

} // namespace rv

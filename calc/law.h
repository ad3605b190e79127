#pragma once

#include "engine/date.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rv::law {

// One dated rule of the law as packed from refdata/law_rules*.csv. The dates are the days the
// rule is in force for (both ends inclusive): for the art. 26 schedules the day the person
// reaches the age, for the others the assignment date. A rule without a begin date (its day of
// force was not found) is never applied.
struct Rule {
    std::string id;
    std::optional<Date> begin;
    std::optional<Date> end; // empty: still in force
    std::string value;
    std::string unit;
    std::string act;
    std::string article;
    std::string quote;
    std::string confidence; // EXACT, PRESS or INFERRED
    std::string source;

    bool holdsOn(Date day) const;
};

// The women's pension age for birth dates from `birthBegin` to `birthEnd` (ст. 26 ч. 1).
struct WomenAge {
    std::optional<Date> birthBegin; // empty: every earlier birth date
    std::optional<Date> birthEnd;   // empty: every later birth date
    int years = 0;
    int months = 0;
    std::string source;
};

// The law's rules and the women's age table; answers which rule holds on a date. Pure data: it
// reads no table and keeps no state beyond what it is given.
class LawBook {
public:
    LawBook() = default;
    LawBook(std::vector<Rule> rules, std::vector<WomenAge> womenAges);

    // The rule `id` in force on `day`: of its rows that hold on the day, the one that began
    // last (a temporary rule inside a longer one wins); none when no row holds.
    const Rule* inForce(std::string_view id, Date day) const;
    // The value of `id` on `day` as a number: of its rows that hold on the day and carry a number
    // (a row whose amount was not found reads "UNKNOWN"), the one that began last.
    std::optional<double> number(std::string_view id, Date day) const;
    // The value of that rule as a date dd.mm.yyyy.
    std::optional<Date> dateValue(std::string_view id, Date day) const;
    // Every row of `id` that has a begin date, in begin order.
    std::vector<const Rule*> rowsOf(std::string_view id) const;

    // The women's pension age row of a birth date; none outside the table.
    const WomenAge* womenAgeFor(Date birthDate) const;

    const std::vector<Rule>& rules() const { return m_rules; }
    const std::vector<WomenAge>& womenAges() const { return m_womenAges; }

private:
    std::vector<Rule> m_rules;
    std::vector<WomenAge> m_womenAges;
};

// Reads a rule value as a number: "60", "1.35", "0.75".
std::optional<double> parseNumber(std::string_view text);

} // namespace rv::law

#pragma once

// The period table's cases: one table for the rules (tests/calc) and for the data module that
// stores the periods and prompts (tests/store).

#include "calc/messages.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace rv::testing_support {

// A period as typed and what posting it gives: a refusal, or its length.
struct PeriodPostingCase {
    const char* name;
    const char* begin; // nullptr: left empty
    const char* finish;
    const char* refusal; // nullptr: posted
    std::int32_t days;
    const char* length;
};

inline std::vector<PeriodPostingCase> periodPostingCases() {
    return {
        {"one day", "10.05.2000", "10.05.2000", nullptr, 0, "0/0/1"},
        {"eleven months and sixteen days", "16.01.2005", "31.12.2005", nullptr, 349, "0/11/16"},
        {"across a year end", "20.12.1999", "10.01.2000", nullptr, 21, "0/0/21"},
        {"begin after finish", "11.05.2000", "10.05.2000",
         "Дата зарахування не може бути більшою за дату звільнення", 0, ""},
        {"no begin", nullptr, "10.05.2000", messages::kPeriodDateMissing, 0, ""},
        {"no finish", "10.05.2000", nullptr, messages::kPeriodDateMissing, 0, ""},
    };
}

// What the checks before the ledger decide.
enum class PeriodsOutcome { NoPeriods, Refused, LedgerBuilt };

struct PeriodsCheckCase {
    const char* name;
    const char* birth;
    std::vector<std::pair<const char*, const char*>> periods;
    PeriodsOutcome outcome;
    bool ageFailure;
    bool overlapFailure;
    std::vector<std::string> warnings;
};

// The youngest age of work and the periods' overlaps, each warned of once, age first.
inline std::vector<PeriodsCheckCase> periodsCheckCases() {
    const std::string noPeriods = "Спочатку введіть стаж";
    const std::string tooYoung =
        "Трудова діяльність не може починатися до виповнення особою 14 років";
    const std::string overlap = "Вказані діапазони трудової діяльності не повинні перетинатися";
    using Outcome = PeriodsOutcome;
    return {
        {"no periods", "01.01.1950", {}, Outcome::NoPeriods, false, false, {noPeriods}},
        {"13 full years: 5113 days",
         "01.01.1950",
         {{"01.01.1964", "31.12.1964"}},
         Outcome::Refused,
         true,
         false,
         {tooYoung}},
        {"14 full years: 5114 days",
         "01.01.1950",
         {{"02.01.1964", "31.12.1964"}},
         Outcome::LedgerBuilt,
         false,
         false,
         {}},
        {"14 full years on the 14th birthday",
         "01.01.1951",
         {{"01.01.1965", "31.01.1965"}},
         Outcome::LedgerBuilt,
         false,
         false,
         {}},
        {"a start long before the birth date",
         "01.01.1990",
         {{"01.01.1950", "31.01.1950"}},
         Outcome::Refused,
         true,
         false,
         {tooYoung}},
        {"one period ends on the day the next starts",
         "01.01.1950",
         {{"01.01.2000", "31.12.2000"}, {"31.12.2000", "31.03.2001"}},
         Outcome::Refused,
         false,
         true,
         {overlap}},
        {"one period ends the day before the next starts",
         "01.01.1950",
         {{"01.01.2000", "30.12.2000"}, {"31.12.2000", "31.03.2001"}},
         Outcome::LedgerBuilt,
         false,
         false,
         {}},
        {"the inner period listed second",
         "01.01.1950",
         {{"01.01.1990", "31.12.1999"}, {"01.06.1995", "30.06.1995"}},
         Outcome::Refused,
         false,
         true,
         {overlap}},
        {"the inner period listed first",
         "01.01.1950",
         {{"01.06.1995", "30.06.1995"}, {"01.01.1990", "31.12.1999"}},
         Outcome::Refused,
         false,
         true,
         {overlap}},
        {"the first and the third period overlap",
         "01.01.1950",
         {{"01.01.1990", "31.12.1990"}, {"01.01.1992", "31.12.1992"}, {"01.06.1990", "30.06.1991"}},
         Outcome::Refused,
         false,
         true,
         {overlap}},
        {"two periods too young and two overlapping: each warning once, age first",
         "01.01.1950",
         {{"01.01.1960", "31.12.1960"},
          {"01.01.1990", "31.12.1995"},
          {"01.01.1961", "31.01.1961"},
          {"01.01.1995", "31.12.1996"}},
         Outcome::Refused,
         true,
         true,
         {tooYoung, overlap}},
    };
}

} // namespace rv::testing_support

// Insurance experience (ст. 24): the periods, corrected from 2004 on by the days each month's
// earning credits.
#include "value_cases.h"

#include "calc/calendar.h"
#include "calc/insurance_experience.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rv {
namespace {

using testing_support::fullYear;
using testing_support::lawReference;
using testing_support::monthWithDays;
using testing_support::periodsOf;

struct ExperienceCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> periods;
    std::vector<CaseMonth> ledger;
    std::int32_t expectedMonths;
    const char* expectedText;
};

TEST(InsuranceExperienceTest, TotalsPeriodsCorrectedByCreditedDaysFrom2004) {
    const std::vector<ExperienceCase> cases = {
        {"2004 credited in full",
         {{"01.01.2004", "31.12.2004"}},
         fullYear(2004),
         12,
         "1 р. 0 міс. 0 дн."},
        {"March 2004 credited 16 of its 31 days",
         {{"01.01.2004", "31.12.2004"}},
         fullYear(2004, {monthWithDays(2004, 2, 16, 31)}),
         11,
         "0 р. 11 міс. 15 дн."},
        {"leap February 2004 credited 28 of its 29 days",
         {{"01.01.2004", "31.12.2004"}},
         fullYear(2004, {monthWithDays(2004, 1, 28, 29)}),
         11,
         "0 р. 11 міс. 29 дн."},
        {"April 2004 credited 20 of its 30 days",
         {{"01.01.2004", "31.12.2004"}},
         fullYear(2004, {monthWithDays(2004, 3, 20, 30)}),
         11,
         "0 р. 11 міс. 20 дн."},
        {"January 2005 credited in full beyond its 17 employed days",
         {{"15.01.2005", "31.12.2005"}},
         fullYear(2005, {monthWithDays(2005, 0, 31, 17)}),
         12,
         "1 р. 0 міс. 1 дн."},
        {"January 2004 without earning: a negative total becomes zero",
         {{"01.01.2004", "31.01.2004"}},
         {monthWithDays(2004, 0, 0, 31)},
         0,
         "0 р. 0 міс. 0 дн."},
        {"before 2004 the credited days change nothing",
         {{"01.03.1990", "15.06.1992"}, {"01.01.1995", "31.12.2003"}},
         {monthWithDays(1992, 5, 0, 15), monthWithDays(1999, 4, 3, 31),
          monthWithDays(2003, 11, 0, 31)},
         135,
         "11 р. 3 міс. 15 дн."},
        {"ten periods of 20 days: the days are summed, then carried",
         {{"01.01.1990", "20.01.1990"},
          {"01.02.1990", "20.02.1990"},
          {"01.03.1990", "20.03.1990"},
          {"01.04.1990", "20.04.1990"},
          {"01.05.1990", "20.05.1990"},
          {"01.06.1990", "20.06.1990"},
          {"01.07.1990", "20.07.1990"},
          {"01.08.1990", "20.08.1990"},
          {"01.09.1990", "20.09.1990"},
          {"01.10.1990", "20.10.1990"}},
         {},
         6,
         "0 р. 6 міс. 20 дн."},
        {"no period and no ledger", {}, {}, 0, "0 р. 0 міс. 0 дн."},
    };
    const LedgerRules& rules = lawReference()->ledgerRules();
    for (const ExperienceCase& c : cases) {
        SCOPED_TRACE(c.name);
        const YearsMonthsDays length = insuranceExperience(periodsOf(c.periods), c.ledger, rules);
        EXPECT_EQ(wholeMonths(length), c.expectedMonths);
        EXPECT_EQ(experienceText(length), c.expectedText);
    }
}

// The experience up to a day as it was counted before it was kept by day: every period and
// month walked again.
YearsMonthsDays experienceWalkedAgain(const std::vector<CasePeriod>& periods,
                                      const std::vector<CaseMonth>& months,
                                      const LedgerRules& rules, std::optional<Date> lastDay) {
    YearsMonthsDays total;
    for (const CasePeriod& period : periods) {
        const Date begin = period.begin.value_or(Date{});
        Date finish = period.finish.value_or(Date{});
        if (lastDay && *lastDay < finish)
            finish = *lastDay;
        if (finish < begin)
            continue;
        const YearsMonthsDays length = ExpPeriodYMD(begin, finish);
        total.years += length.years;
        total.months += length.months;
        total.days += length.days;
    }
    for (const CaseMonth& month : months) {
        if (month.month.year < 1 || month.month.year > 9999 || month.month.month0 < 0 ||
            month.month.month0 > 11)
            continue;
        const Date monthStart = MonthStart(month.month);
        if (monthStart < rules.proportionalCreditFrom)
            continue;
        const int monthDays = MonthLength(month.month);
        if (lastDay && lastDay->serial < monthStart.serial + monthDays - 1)
            continue;
        if (monthDays > month.creditedDays)
            total.days -= monthDays - month.creditedDays;
        if (monthDays == month.creditedDays && monthDays > month.coveredDays)
            total.days += monthDays - month.coveredDays;
    }
    NormalizeYMD(total);
    if (total.years < 0)
        total = YearsMonthsDays{};
    return total;
}

struct ExperienceByDayCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> periods;
    std::vector<CaseMonth> ledger;
};

// Kept by day, the experience up to every day of the case's years is the one walked again.
TEST(InsuranceExperienceTest, ByDayAsWalkedAgainOnEveryDay) {
    std::vector<CaseMonth> unsorted = fullYear(2005, {monthWithDays(2005, 6, 10, 31)});
    std::swap(unsorted.front(), unsorted.back());
    std::vector<CaseMonth> implausible = fullYear(2004);
    implausible[3].month = {2004, 12};
    implausible[4].month = {0, 3};
    const std::vector<ExperienceByDayCase> cases = {
        {"one period over the change to crediting by earning",
         {{"15.06.2002", "20.08.2005"}},
         [] {
             std::vector<CaseMonth> months;
             for (int year = 2002; year <= 2005; ++year)
                 for (const CaseMonth& month :
                      fullYear(year, {monthWithDays(year, 2, 16, 31), monthWithDays(year, 7, 0, 20)}))
                     months.push_back(month);
             return months;
         }()},
        {"periods with a gap, months credited in full beyond their covered days",
         {{"10.01.2004", "31.03.2004"}, {"05.06.2004", "30.11.2004"}},
         fullYear(2004, {monthWithDays(2004, 0, 31, 22), monthWithDays(2004, 5, 30, 26),
                         monthWithDays(2004, 10, 12, 30)})},
        {"months out of calendar order", {{"01.01.2005", "31.12.2005"}}, unsorted},
        {"months no calendar holds", {{"01.01.2004", "31.12.2004"}}, implausible},
        {"a period without its end, another ending before it begins",
         {{"01.02.2004", nullptr}, {"01.05.2004", "01.04.2004"}, {"01.01.2004", "31.12.2004"}},
         fullYear(2004, {monthWithDays(2004, 1, 0, 29)})},
        {"no earning at all: the total falls below zero",
         {{"01.01.2004", "31.03.2004"}},
         {monthWithDays(2004, 0, 0, 31), monthWithDays(2004, 1, 0, 29),
          monthWithDays(2004, 2, 0, 31)}},
        {"no period and no ledger", {}, {}},
    };
    const LedgerRules& rules = lawReference()->ledgerRules();
    for (const ExperienceByDayCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<CasePeriod> periods = periodsOf(c.periods);
        const ExperienceByDay byDay(periods, c.ledger, rules);
        EXPECT_EQ(byDay.until(std::nullopt),
                  experienceWalkedAgain(periods, c.ledger, rules, std::nullopt));
        for (int day = dateFromCivil(2001, 12, 25).serial; day <= dateFromCivil(2006, 1, 5).serial;
             ++day) {
            EXPECT_EQ(byDay.until(Date{day}),
                      experienceWalkedAgain(periods, c.ledger, rules, Date{day}))
                << formatDate(Date{day});
        }
    }
}

} // namespace
} // namespace rv

// Insurance experience (ст. 24): the periods, corrected from 2004 on by the days each month's
// earning credits.
#include "value_cases.h"

#include "calc/insurance_experience.h"

#include <gtest/gtest.h>

#include <string>
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

} // namespace
} // namespace rv

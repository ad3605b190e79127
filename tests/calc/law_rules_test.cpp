// The law's dated rules as the program reads them from its packed law book: the pension age,
// the experience schedules of ст. 26, the right with its dates, and the figures of ст. 25, 27,
// 28 and 40 on both sides of each change.
#include "value_cases.h"

#include "calc/law.h"
#include "calc/law_rule_ids.h"
#include "calc/ledger_rules.h"
#include "calc/pension_dates.h"
#include "calc/pension_right.h"
#include "calc/right_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace rv {
namespace {

using testing_support::day;

constexpr int kMan = 0;
constexpr int kWoman = 1;

class LawRulesTest : public testing::Test {
protected:
    static const law::LawBook& law() { return testing_support::lawReference()->law(); }
};

TEST_F(LawRulesTest, ThePensionAgeOfMenAndOfWomenByBirthDate) {
    struct Case {
        const char* name;
        const char* birth;
        int gender;
        int years, months;
        const char* reached;
    };
    const Case cases[] = {
        {"ст. 26 ч. 1: a man, 60", "10.05.1963", kMan, 60, 0, "11.05.2023"},
        {"women's table: last birth date of 55", "30.09.1956", kWoman, 55, 0, "01.10.2011"},
        {"women's table: first birth date of 55 р. 6 міс.", "01.10.1956", kWoman, 55, 6,
         "02.04.2012"},
        {"women's table: last birth date of 59 р. 6 міс.", "31.03.1961", kWoman, 59, 6,
         "01.10.2020"},
        {"women's table: first birth date of 60", "01.04.1961", kWoman, 60, 0, "02.04.2021"},
        {"women's table: open last row", "01.01.1970", kWoman, 60, 0, "02.01.2030"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto age = pensionAgeOf(law(), day(c.birth), c.gender);
        ASSERT_TRUE(age.has_value());
        EXPECT_EQ(age->years, c.years);
        EXPECT_EQ(age->months, c.months);
        EXPECT_EQ(formatDate(pensionAgeDate(day(c.birth), age->years, age->months)), c.reached);
    }
}

// The experience needed is fixed by the day each age is reached (ст. 26 ч. 4 абз. 2): the
// birthday itself, so a man born 31.12.1958 needs 2018's 25 years at 60 and 2021's at 63.
TEST_F(LawRulesTest, TheExperienceNeededFollowsTheDayEachAgeIsReached) {
    struct Case {
        const char* name;
        const char* birth;
        int gender;
        // Required years at the pension age, at 63 and at 65; 0: no such way.
        int atPensionAge, at63, at65;
    };
    const Case cases[] = {
        {"ст. 26 ч. 1: 60 reached on 30.12.2017, 15 years", "30.12.1957", kMan, 15, 17, 15},
        {"ст. 26 ч. 1: 60 reached on 31.12.2017, 15 years; 63 on 31.12.2020, 17", "31.12.1957",
         kMan, 15, 17, 15},
        {"ст. 26 ч. 1: 60 reached on 31.12.2018, 25 years; 63 on 31.12.2021, 18", "31.12.1958",
         kMan, 25, 18, 15},
        {"ст. 26 ч. 1: 60 reached on 01.01.2018, 25 years", "01.01.1958", kMan, 25, 18, 15},
        {"ст. 26 ч. 1: 60 reached on 31.12.2025, 32 years", "31.12.1965", kMan, 32, 25, 15},
        {"ст. 26 ч. 1-3: 60 reached on 01.01.2026, 33, then 25 at 63 in 2029", "01.01.1966", kMan,
         33, 25, 15},
        {"ст. 26 ч. 1-3: a man reaching 60 in 2026, 63 in 2029, 65 in 2031", "10.05.1966", kMan, 33,
         25, 15},
        {"ст. 26 ч. 1: a woman of 55 before 01.10.2011: 5 years; 63 in 2019: 16", "30.06.1956",
         kWoman, 5, 16, 15},
        {"ст. 26 ч. 1: a woman of 55 р. 6 міс. in 2012: 15 years", "01.10.1956", kWoman, 15, 16,
         15},
        {"ст. 26 ч. 2: 63 reached in 2021, 18 years", "10.05.1958", kMan, 25, 18, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::optional<int> atPensionAge, at63, at65;
        for (const RightPath& path : rightPaths(law(), day(c.birth), c.gender)) {
            const int years = path.requiredMonths / 12;
            if (path.age.years == 63)
                at63 = years;
            else if (path.age.years == 65)
                at65 = years;
            else if (path.age.years != 0)
                atPensionAge = years;
        }
        EXPECT_EQ(atPensionAge.value_or(0), c.atPensionAge);
        EXPECT_EQ(at63.value_or(0), c.at63);
        EXPECT_EQ(at65.value_or(0), c.at65);
    }
}

// Experience gained evenly from `start`: whole months up to the day (a month ends on the day
// before the same day of the next month), at most `total`.
std::function<std::int32_t(Date)> evenExperience(Date start, std::int32_t total) {
    return [start, total](Date until) {
        std::int32_t months = 0;
        while (months < total && IncMonth(start, months + 1).serial <= until.serial + 1)
            ++months;
        return months;
    };
}

// The right of a person whose experience of `months` months was gained evenly from `from`.
RightDecision decideWithEvenExperience(const std::vector<RightPath>& paths, const char* from,
                                       int months, const char* application) {
    const Date start = day(from);
    const Date lastDay{IncMonth(start, months).serial - 1};
    return decideRight(paths, months, evenExperience(start, months), lastDay, day(application));
}

TEST_F(LawRulesTest, TheRightArisesOnTheSoonestWayTheExperienceMeets) {
    struct Case {
        const char* name;
        const char* birth;
        int gender;
        const char* experienceFrom; // experience gained evenly from this day
        int months;                 // to this total
        const char* application;
        bool hasRight;
        bool projected;
        int ageRule;
        const char* rightDate;
        int shortfall;
    };
    // A man born 10.05.1966: 60 on 11.05.2026 (33 years), 63 on 11.05.2029 (25), 65 on
    // 11.05.2031 (15); any age with 40 years from 01.01.2028.
    const Case cases[] = {
        {"ст. 26 ч. 1: 34 years at 60", "10.05.1966", kMan, "01.09.1986", 408, "11.05.2026", true,
         false, 60, "11.05.2026", 0},
        {"ст. 26 ч. 1: a month before the pension age is early enough", "10.05.1966", kMan,
         "01.09.1986", 408, "11.04.2026", true, false, 60, "11.05.2026", 0},
        {"ст. 26 ч. 1: more than a month before it, no right yet", "10.05.1966", kMan, "01.09.1986",
         408, "10.04.2026", false, false, 60, "11.05.2026", 0},
        {"ст. 26 ч. 4: 33 years gained after 60, the right from that day", "10.05.1966", kMan,
         "01.09.1993", 396, "01.10.2026", true, false, 60, "01.09.2026", 0},
        {"ст. 26 ч. 2: 30 years, no right at 60, right at 63", "10.05.1966", kMan, "01.09.1996",
         360, "11.05.2026", false, false, 63, "11.05.2029", 0},
        {"ст. 26 ч. 3: 20 years, right at 65", "10.05.1966", kMan, "01.09.2006", 240, "11.05.2026",
         false, false, 65, "11.05.2031", 0},
        {"ст. 26 ч. 3: 14 years, none met, by working on 12 more months", "10.05.1966", kMan,
         "01.09.2012", 168, "11.05.2031", false, true, 65, "11.05.2032", 12},
        {"ст. 26 ч. 5: 40 years at 57, any age from 01.01.2028", "10.05.1970", kMan, "01.09.1987",
         480, "15.01.2028", true, false, 0, "01.01.2028", 0},
        {"ст. 26 ч. 5: before 2028 40 years give no right under 60", "10.05.1970", kMan,
         "01.09.1985", 480, "15.06.2027", false, false, 0, "01.01.2028", 0},
        {"the woman of 60 with 20 years in 2023 has no right until 65", "10.05.1963", kWoman,
         "01.01.2003", 240, "11.05.2023", false, false, 65, "11.05.2028", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RightDecision decision = decideWithEvenExperience(
            rightPaths(law(), day(c.birth), c.gender), c.experienceFrom, c.months, c.application);
        EXPECT_EQ(decision.hasRight, c.hasRight);
        EXPECT_EQ(decision.projected, c.projected);
        ASSERT_TRUE(decision.path.has_value());
        EXPECT_EQ(decision.path->age.years, c.ageRule);
        ASSERT_TRUE(decision.rightDate.has_value());
        EXPECT_EQ(formatDate(*decision.rightDate), c.rightDate);
        EXPECT_EQ(decision.shortfallMonths, c.shortfall);
    }
}

TEST_F(LawRulesTest, WhatThePanelSaysOfTheRight) {
    const auto paths = rightPaths(law(), day("10.05.1966"), kMan);
    struct Case {
        const char* name;
        const char* experienceFrom;
        int months;
        const char* application;
        const char* expected;
    };
    const Case cases[] = {
        {"the way that gave the right", "01.09.1986", 481, "11.05.2026",
         "з 60 років: потрібно 33 р. стажу, є 40 р. 1 міс."},
        {"gained after the age", "01.09.1993", 396, "01.10.2026",
         "з 60 років: потрібно 33 р. стажу, є 33 р., право з 01.09.2026"},
        {"met, but later than the application", "01.09.2006", 240, "11.05.2026",
         "Право виникне з 11.05.2031 (з 65 років: потрібно 15 р. стажу, є 20 р.)"},
        {"none met", "01.09.2012", 168, "11.05.2031",
         "Стажу недостатньо: потрібно з 60 років (11.05.2026) — 33 р., з 63 років (11.05.2029) "
         "— 25 р., з 65 років (11.05.2031) — 15 р., незалежно від віку (з 01.01.2028) — 40 р.; "
         "є 14 р., бракує 12 міс. Якщо працювати далі, право виникне з 11.05.2032 (з 65 "
         "років)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RightDecision decision =
            decideWithEvenExperience(paths, c.experienceFrom, c.months, c.application);
        EXPECT_EQ(rightSummary(decision, paths, c.months), c.expected);
    }
}

TEST_F(LawRulesTest, TheFiguresOfTheFormulaOnEachSideOfTheirChanges) {
    struct Case {
        const char* name;
        std::string_view rule;
        const char* date;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"ст. 25: 1 % before 2008", law::ids::kValuation, "31.12.2007", 1},
        {"ст. 25: 1.2 % on 30.09.2008", law::ids::kValuation, "30.09.2008", 1.2},
        {"ст. 25: 1.35 % on 01.10.2008", law::ids::kValuation, "01.10.2008", 1.35},
        {"ст. 25: 1.35 % on 31.12.2017", law::ids::kValuation, "31.12.2017", 1.35},
        {"ст. 25: 1 % on 01.01.2018", law::ids::kValuation, "01.01.2018", 1},
        {"ст. 25 ч. 2: the cap 0.75", law::ids::kExperienceCoefficientCap, "01.01.2026", 0.75},
        {"ст. 28 ч. 1: full experience of men 25 years before 10.2011",
         law::ids::kFullExperienceMen, "30.09.2011", 25},
        {"ст. 28 ч. 1: of men 35 years from 10.2011", law::ids::kFullExperienceMen, "01.10.2011",
         35},
        {"ст. 28 ч. 1: of women 20 years before 10.2011", law::ids::kFullExperienceWomen,
         "30.09.2011", 20},
        {"ст. 28 ч. 1: of women 30 years from 10.2011", law::ids::kFullExperienceWomen,
         "01.10.2011", 30},
        {"ст. 28 ч. 2: no 65+ minimum before 2018", law::ids::kMinimumAt65Percent, "31.12.2017",
         std::nullopt},
        {"ст. 28 ч. 2: 40 % of the minimum wage from 2018", law::ids::kMinimumAt65Percent,
         "01.01.2018", 40},
        {"ст. 28 ч. 3: the proportional minimum from 65 for assignments from 2018",
         law::ids::kProportionalMinimumFromAge, "01.01.2018", 65},
        {"ст. 28 ч. 3: at any age before 2018", law::ids::kProportionalMinimumFromAge, "31.12.2017",
         std::nullopt},
        {"ст. 27 ч. 3: 12 minimum pensions in spring 2008", law::ids::kCeilingInSubsistenceMinimums,
         "01.03.2008", 12},
        {"ст. 27 ч. 3: amount not found 2008-2011, no ceiling",
         law::ids::kCeilingInSubsistenceMinimums, "01.06.2009", std::nullopt},
        {"ст. 27 ч. 3: 10 subsistence minimums from 01.10.2011",
         law::ids::kCeilingInSubsistenceMinimums, "01.10.2011", 10},
        {"ст. 27 ч. 3: 10 740 hryvnias in 2016", law::ids::kCeilingInHryvnias, "01.06.2016", 10740},
        {"ст. 27 ч. 3: 10 740 hryvnias in 2017", law::ids::kCeilingInHryvnias, "31.12.2017", 10740},
        {"ст. 27 ч. 3: no amount in hryvnias from 2018", law::ids::kCeilingInHryvnias, "01.01.2018",
         std::nullopt},
        {"ст. 40: Зп of one year up to 2011", law::ids::kAverageWageYears, "31.12.2011", 1},
        {"ст. 40: of three years from 2012", law::ids::kAverageWageYears, "01.01.2012", 3},
        {"ст. 40: of two years in 2018", law::ids::kAverageWageYears, "01.07.2018", 2},
        {"ст. 40: of three years from 2019", law::ids::kAverageWageYears, "01.01.2019", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(law().number(c.rule, day(c.date)), c.expected);
    }
}

TEST_F(LawRulesTest, KarbovanetsMonthsEndWithAugust1996AtOneHundredThousandToAHryvnia) {
    const LedgerRules& rules = testing_support::lawReference()->ledgerRules();
    EXPECT_TRUE(isBeforeCurrencyReform(rules, {1995, 11}));
    EXPECT_TRUE(isBeforeCurrencyReform(rules, {1996, 7}));
    EXPECT_FALSE(isBeforeCurrencyReform(rules, {1996, 8})); // the hryvnia came on 02.09.1996
    EXPECT_FALSE(isBeforeCurrencyReform(rules, {1997, 0}));
    EXPECT_DOUBLE_EQ(hryvniasFromKarbovanets(rules, 2500000), 25);
    EXPECT_DOUBLE_EQ(hryvniasFromKarbovanets(rules, 1), 0.00001);
}

TEST(LawBookTest, ATemporaryRuleInsideALongerOneWinsAndUnknownAmountsAreSkipped) {
    auto rule = [](const char* begin, const char* end, const char* value) {
        law::Rule row;
        row.id = "R";
        row.begin = parseDate(begin);
        row.end = *end ? parseDate(end) : std::nullopt;
        row.value = value;
        return row;
    };
    const law::LawBook book({rule("01.01.2004", "30.09.2011", "60"),
                             rule("01.01.2008", "21.05.2008", "12"),
                             rule("01.01.2009", "31.12.2009", "UNKNOWN")},
                            {});
    EXPECT_EQ(book.number("R", day("31.12.2007")), 60);
    EXPECT_EQ(book.number("R", day("01.01.2008")), 12);
    EXPECT_EQ(book.number("R", day("22.05.2008")), 60);
    EXPECT_EQ(book.number("R", day("01.06.2009")), 60); // the unknown amount does not count
    EXPECT_EQ(book.number("R", day("01.10.2011")), std::nullopt);
    EXPECT_EQ(book.inForce("R", day("01.06.2009"))->value, "UNKNOWN");
    EXPECT_EQ(book.number("other", day("01.06.2009")), std::nullopt);
}

} // namespace
} // namespace rv

#include "calc/pension_dates.h"

#include <gtest/gtest.h>

namespace rv {
namespace {

Date day(const char* text) {
    const auto date = parseDate(text);
    EXPECT_TRUE(date.has_value()) << text;
    return date.value_or(Date{});
}

TEST(IncMonthTest, KeepsTheDayAndClampsItToTheTargetMonth) {
    struct Case {
        const char* date;
        int months;
        const char* expected;
    };
    const Case cases[] = {
        {"31.05.2011", 3, "31.08.2011"},       {"30.11.2011", 3, "29.02.2012"},
        {"30.11.2010", 3, "28.02.2011"},       {"11.05.2011", 3, "11.08.2011"},
        {"01.12.2011", 3, "01.03.2012"},       {"01.02.2012", -1, "01.01.2012"},
        {"11.05.2011", -1, "11.04.2011"},      {"31.03.2012", -1, "29.02.2012"},
        {"15.01.2012", -13, "15.12.2010"},     {"31.12.1999", 2, "29.02.2000"},
        {"29.02.1952", 12 * 59, "28.02.2011"}, {"29.02.1952", 12 * 60, "29.02.2012"},
        {"17.07.2003", 0, "17.07.2003"},       {"31.01.1900", 1, "28.02.1900"},
    };
    for (const auto& c : cases) {
        const Date result = IncMonth(day(c.date), c.months);
        EXPECT_EQ(result, day(c.expected))
            << c.date << " + " << c.months << " months gave " << formatDate(result);
    }
}

TEST(PensionDatesTest, PensionAgeDateAddsTheDayBeforeTheYears) {
    struct Case {
        const char* birth;
        int age;
        const char* expected;
    };
    const Case cases[] = {
        {"10.05.1951", 60, "11.05.2011"},
        {"30.11.1951", 60, "01.12.2011"},
        {"29.02.1952", 60, "01.03.2012"},
        {"28.02.1952", 59,
         "01.03.2011"}, // 59 reached on 28.02.2011, the pension from the day after
        {"31.01.1952", 60, "01.02.2012"},
        {"31.12.1951", 60, "01.01.2012"},
    };
    for (const auto& c : cases) {
        const Date result = pensionAgeDate(day(c.birth), c.age);
        EXPECT_EQ(result, day(c.expected))
            << "born " << c.birth << ", age " << c.age << " gave " << formatDate(result);
    }
}

// ст. 45 ч. 1 п. 1: the pension from the day after the age is reached; the age of years and
// months is reached on the birthday's day of the month, or the month's last day where it has
// none (55 years 6 months from 30.11.1956: 30.05.2012; from 30.12.1956: 30.06.2012).
TEST(PensionDatesTest, AnAgeOfYearsAndMonthsIsReachedOnTheBirthdayAndGrantedTheDayAfter) {
    struct Case {
        const char* birth;
        const char* reached;
        const char* granted;
    };
    const Case cases[] = {
        {"30.11.1956", "30.05.2012", "31.05.2012"},
        {"30.12.1956", "30.06.2012", "01.07.2012"},
        {"31.08.1956", "29.02.2012", "01.03.2012"},
        {"15.03.1957", "15.09.2012", "16.09.2012"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.birth);
        EXPECT_EQ(formatDate(ageReachedOn(day(c.birth), 55, 6)), c.reached);
        EXPECT_EQ(formatDate(pensionAgeDate(day(c.birth), 55, 6)), c.granted);
    }
}

// ст. 45 Закону № 1058-IV: granted from the pension age date when applied within three months.
TEST(PensionDatesTest, AssignmentDateFollowsTheThreeMonthRule) {
    struct Case {
        const char* pensionAge;
        const char* application;
        const char* expected;
    };
    const Case cases[] = {
        {"11.05.2011", "11.04.2011", "11.05.2011"}, // applied before the age date
        {"11.05.2011", "11.05.2011", "11.05.2011"},
        {"11.05.2011", "10.08.2011", "11.05.2011"}, // the last day granted from the age date
        {"11.05.2011", "11.08.2011", "11.08.2011"},
        {"01.12.2011", "29.02.2012", "01.12.2011"},
        {"01.12.2011", "01.03.2012", "01.03.2012"},
        {"30.11.2010", "27.02.2011", "30.11.2010"}, // IncMonth gives 28.02.2011
        {"30.11.2010", "28.02.2011", "28.02.2011"},
    };
    for (const auto& c : cases) {
        const Date result = assignmentDate(day(c.pensionAge), day(c.application));
        EXPECT_EQ(result, day(c.expected)) << "age date " << c.pensionAge << ", application "
                                           << c.application << " gave " << formatDate(result);
    }
}

TEST(PensionDatesTest, EarliestApplicationIsOneMonthBeforeThePensionAge) {
    EXPECT_EQ(IncMonth(pensionAgeDate(day("10.05.1951"), 60), -1), day("11.04.2011"));
    EXPECT_EQ(IncMonth(pensionAgeDate(day("31.01.1952"), 60), -1), day("01.01.2012"));
}

} // namespace
} // namespace rv

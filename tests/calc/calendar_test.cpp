#include "calc/calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace rv {

static std::ostream& operator<<(std::ostream& out, const YearsMonthsDays& length) {
    return out << length.years << "y " << length.months << "m " << length.days << "d";
}

namespace {

Date day(const char* text) {
    const auto date = parseDate(text);
    EXPECT_TRUE(date.has_value()) << text;
    return date.value_or(Date{});
}

TEST(ExpPeriodLengthTest, CountsDaysAndThirtyDayMonths) {
    struct Case {
        const char* start;
        const char* end;
        std::int32_t days;
        const char* text;
    };
    const Case cases[] = {
        {"01.01.2000", "31.12.2000", 365, "1/0/0"},
        {"01.01.2000", "31.01.2000", 30, "0/1/0"},
        {"02.01.2000", "31.01.2000", 29, "0/1/0"},
        {"01.01.2000", "30.01.2000", 29, "0/1/0"},
        {"01.02.2000", "29.02.2000", 28, "0/1/0"},
        {"01.03.2000", "30.04.2000", 60, "0/2/0"},
        // The 1st to the last day of a month is whole months, February too: 32 years.
        {"01.03.1993", "28.02.2025", 11687, "32/0/0"},
        {"15.02.2000", "29.02.2000", 14, "0/0/15"},
        {"01.01.2000", "31.03.2000", 90, "0/3/0"},
        {"15.03.2000", "14.04.2000", 30, "0/1/0"},
        {"31.01.2000", "01.03.2000", 30, "0/1/1"},
        {"15.01.2000", "14.01.2001", 365, "1/0/0"},
        {"01.09.1975", "31.08.1980", 1826, "5/0/0"},
        {"16.01.2005", "31.12.2005", 349, "0/11/16"},
        {"10.05.2000", "10.05.2000", 0, "0/0/1"},
        {"20.12.1999", "10.01.2000", 21, "0/0/21"},
        {"31.12.1999", "01.01.2000", 1, "0/0/1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << " - " << c.end);
        const PeriodLength length = ExpPeriodLength(day(c.start), day(c.end));
        EXPECT_EQ(length.days, c.days);
        EXPECT_EQ(length.text, c.text);
        EXPECT_EQ(parseLengthText(length.text), ExpPeriodYMD(day(c.start), day(c.end)));
    }
}

TEST(NormalizeYMDTest, CarriesDaysBeforeMonths) {
    struct Case {
        const char* name;
        YearsMonthsDays input;
        YearsMonthsDays expected;
    };
    const Case cases[] = {
        {"already normal", {2, 11, 29}, {2, 11, 29}},
        {"sum of many periods", {3, 25, 95}, {5, 4, 5}},
        {"negative days borrow a month and a year", {0, 0, -5}, {-1, 11, 25}},
        {"exactly thirty days", {0, 0, 30}, {0, 1, 0}},
        {"day carry makes a month carry", {0, 11, 30}, {1, 0, 0}},
        {"exact negative month of days", {1, 0, -30}, {0, 11, 0}},
        {"negative months", {2, -13, 0}, {0, 11, 0}},
        {"large day total", {0, 0, 36001}, {100, 0, 1}},
        {"everything negative", {-1, -1, -1}, {-2, 10, 29}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << ": " << c.input);
        YearsMonthsDays length = c.input;
        NormalizeYMD(length);
        EXPECT_EQ(length, c.expected);
    }
}

// The carrying rule as the four loops that define it.
YearsMonthsDays normalizedByLoops(YearsMonthsDays length) {
    while (length.days < 0) {
        length.months -= 1;
        length.days += 30;
    }
    while (length.days >= 30) {
        length.months += 1;
        length.days -= 30;
    }
    while (length.months < 0) {
        length.years -= 1;
        length.months += 12;
    }
    while (length.months >= 12) {
        length.years += 1;
        length.months -= 12;
    }
    return length;
}

TEST(NormalizeYMDTest, AgreesWithTheCarryLoopsOverAGrid) {
    for (std::int32_t years = -2; years <= 2; ++years)
        for (std::int32_t months = -30; months <= 30; ++months)
            for (std::int32_t days = -100; days <= 100; ++days) {
                YearsMonthsDays length{years, months, days};
                NormalizeYMD(length);
                const YearsMonthsDays expected = normalizedByLoops({years, months, days});
                ASSERT_EQ(length, expected) << YearsMonthsDays{years, months, days};
            }
}

TEST(LengthTextTest, ReadsBackWhatItWrites) {
    const YearsMonthsDays lengths[] = {
        {0, 0, 0}, {1, 0, 0}, {0, 11, 16}, {43, 7, 29}, {-1, 11, 25}};
    for (const auto& length : lengths) {
        SCOPED_TRACE(testing::Message() << length);
        EXPECT_EQ(parseLengthText(lengthText(length)), length) << lengthText(length);
    }
    EXPECT_EQ(lengthText({12, 3, 4}), "12/3/4");
}

TEST(LengthTextTest, RefusesOtherTexts) {
    for (const char* bad : {"", "1/2", "1/2/3/4", "a/0/0", "1//0", " 1/0/0", "1/0/0 ", "+1/0/0",
                            "1/0/99999999999", "1.0.0"})
        EXPECT_FALSE(parseLengthText(bad).has_value()) << '"' << bad << '"';
}

TEST(FullYearsBetweenTest, TruncatesDaysOver365Quarter) {
    struct Case {
        const char* a;
        const char* b;
        std::int32_t years;
    };
    const Case cases[] = {
        {"01.01.1950", "01.01.1964", 13}, // 5113 days: three 29 Februaries
        {"01.01.1951", "01.01.1965", 14}, // 5114 days
        {"10.05.2000", "10.05.2000", 0},  {"01.01.2000", "31.12.2000", 0}, // 365 days
        {"01.01.2000", "01.01.2001", 1},                                   // 366 days
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " - " << c.b);
        EXPECT_EQ(FullYearsBetween(day(c.a), day(c.b)), c.years);
        EXPECT_EQ(FullYearsBetween(day(c.b), day(c.a)), c.years);
    }
}

TEST(FullYearsBetweenTest, IntegerFormEqualsDivisionBy365Quarter) {
    const Date origin = day("01.01.1900");
    for (std::int32_t difference = 0; difference <= 80000; ++difference) {
        const auto expected =
            static_cast<std::int32_t>(std::floor(static_cast<long double>(difference) / 365.25L));
        ASSERT_EQ(FullYearsBetween(origin, Date{origin.serial + difference}), expected)
            << difference << " days";
        ASSERT_EQ(FullYearsBetween(Date{origin.serial + difference}, origin), expected)
            << -difference << " days";
    }
}

TEST(MonthTest, StartAndLengthOfLedgerMonths) {
    EXPECT_EQ(MonthStart(2004, 0), day("01.01.2004"));
    EXPECT_EQ(MonthStart(1998, 6), day("01.07.1998"));
    EXPECT_EQ(MonthStart(LedgerMonth{2000, 11}), day("01.12.2000"));
    struct Case {
        const char* date;
        int length;
    };
    const Case cases[] = {{"01.02.1900", 28}, {"28.02.1900", 28}, {"15.02.2000", 29},
                          {"29.02.2000", 29}, {"10.02.2001", 28}, {"29.02.2004", 29},
                          {"30.04.2001", 30}, {"31.12.2001", 31}, {"01.01.2001", 31}};
    for (const auto& c : cases)
        EXPECT_EQ(MonthLength(day(c.date)), c.length) << c.date;
}

TEST(MonthTest, EveryMonthFrom1900To2100TilesTheCalendar) {
    for (LedgerMonth month{1900, 0}; month.year <= 2100;) {
        const LedgerMonth next = month.month0 == 11 ? LedgerMonth{month.year + 1, 0}
                                                    : LedgerMonth{month.year, month.month0 + 1};
        const Date start = MonthStart(month);
        const Date end{MonthStart(next).serial - 1};
        ASSERT_LT(month, next);
        ASSERT_EQ(calendarMonth(month), civilFromDate(start).month) << formatDate(start);
        ASSERT_EQ(civilFromDate(start).day, 1) << formatDate(start);
        ASSERT_EQ(ledgerMonthOf(start), month) << formatDate(start);
        ASSERT_EQ(ledgerMonthOf(end), month) << formatDate(end);
        ASSERT_EQ(MonthLength(start), end.serial - start.serial + 1) << formatDate(start);
        ASSERT_EQ(MonthLength(end), end.serial - start.serial + 1) << formatDate(end);
        month = next;
    }
}

TEST(MonthTest, LengthOfALedgerMonthIsThatOfItsFirstDay) {
    for (int year = 1; year <= 9999; ++year)
        for (int month0 = 0; month0 < 12; ++month0) {
            const LedgerMonth month{year, month0};
            ASSERT_EQ(MonthLength(month), MonthLength(MonthStart(month)))
                << year << "-" << calendarMonth(month);
        }
    const struct {
        LedgerMonth month;
        int length;
    } cases[] = {{{1900, 1}, 28}, {{2000, 1}, 29}, {{2001, 1}, 28},
                 {{2004, 1}, 29}, {{2001, 3}, 30}, {{2001, 11}, 31},
                 {{2001, 0}, 31}, {{1, 0}, 31},    {{9999, 11}, 31}};
    for (const auto& c : cases)
        EXPECT_EQ(MonthLength(c.month), c.length) << c.month.year << "-" << c.month.month0;
}

TEST(DateFromTextTest, ReadsTheFixedPatternOrGivesTheZeroDate) {
    struct Case {
        const char* text;
        Date expected;
    };
    const Case cases[] = {
        {"01.01.2004", day("01.01.2004")},
        {"01.01.2004 00:00:00", day("01.01.2004")},
        {"29.02.2000 23:59:59", day("29.02.2000")},
        {"15.06.1999 12:30", day("15.06.1999")},
        {"", Date{}},
        {"garbage", Date{}},
        {"2004-01-01", Date{}},
        {"01/01/2004", Date{}},
        {"31.02.2004", Date{}},
        {"01.01.2004 ", Date{}},
        {"01.01.2004 24:00:00", Date{}},
        {"01.01.2004 12", Date{}},
        {"01.01.2004 12:00:00:00", Date{}},
        {"01.01.2004 12:60", Date{}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateFromText(c.text), c.expected)
            << '"' << c.text << "\" gave " << formatDate(DateFromText(c.text));
}

} // namespace
} // namespace rv

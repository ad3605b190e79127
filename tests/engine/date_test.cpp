#include "engine/date.h"

#include <gtest/gtest.h>

namespace rv {
namespace {

TEST(DateTest, EpochAndKnownSerials) {
    struct Case {
        int year, month, day;
        std::int32_t serial;
    };
    const Case cases[] = {
        {1899, 12, 30, 0}, {1899, 12, 31, 1}, {1900, 1, 1, 2},      {1900, 3, 1, 61},
        {2000, 1, 1, 36526}, {2004, 1, 1, 37987}, {1950, 1, 1, 18264}, {9999, 12, 31, 2958465},
        {1, 1, 1, -693593},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.day << "." << c.month << "." << c.year);
        EXPECT_EQ(dateFromCivil(c.year, c.month, c.day).serial, c.serial);
        EXPECT_EQ(civilFromDate(Date{c.serial}), (CivilDate{c.year, c.month, c.day}));
    }
}

TEST(DateTest, EveryDayFrom1900To2100RoundTripsThroughCivilAndText) {
    std::int32_t serial = dateFromCivil(1900, 1, 1).serial;
    for (int year = 1900; year <= 2100; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= daysInMonth(year, month); ++day, ++serial) {
                const Date date = dateFromCivil(year, month, day);
                ASSERT_EQ(date.serial, serial) << day << "." << month << "." << year;
                ASSERT_EQ(civilFromDate(date), (CivilDate{year, month, day}));
                ASSERT_EQ(parseDate(formatDate(date)), date) << formatDate(date);
            }
}

TEST(DateTest, ParseAcceptsShortFieldsAndRefusesNonDates) {
    EXPECT_EQ(parseDate("1.2.2003"), dateFromCivil(2003, 2, 1));
    EXPECT_EQ(parseDate("01.02.2003"), dateFromCivil(2003, 2, 1));
    EXPECT_EQ(parseDate("29.02.2000"), dateFromCivil(2000, 2, 29));
    for (const char* bad : {"", "29.02.1900", "31.04.2001", "00.01.2000", "01.13.2000", "1.1.99",
                            "01.01.2000 ", "01-01-2000", "01.01.20000", "a1.01.2000", "..",
                            "01.01.", "+1.01.2000"})
        EXPECT_FALSE(parseDate(bad).has_value()) << '"' << bad << '"';
}

TEST(DateTest, FormatPadsDayMonthAndYear) {
    EXPECT_EQ(formatDate(dateFromCivil(2005, 3, 7)), "07.03.2005");
    EXPECT_EQ(formatDate(Date{0}), "30.12.1899");
}

} // namespace
} // namespace rv

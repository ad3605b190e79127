#include "export/sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rv {
namespace {

TEST(Sheet, ColumnsAreAsWideAsTheirLongestTextWithinLimits) {
    struct Case {
        const char* name;
        Sheet sheet;
        std::vector<int> expected;
    };
    const std::string longTitle(100, 'x');
    const Case cases[] = {
        {"the title is the longest, in characters not bytes",
         {.titles = {"Дата зарахування"}, .rows = {{dateFromCivil(1985, 9, 1)}}},
         {16 + 2}},
        {"a cell is longer than its title",
         {.titles = {"Рік", "Сума"}, .rows = {{std::string("Листопад 2004 року"), 1}}},
         {18 + 2, 8}},
        {"a number as its format shows it",
         {.titles = {"К"}, .rows = {{SheetNumber{1234567.125, "0.00###"}}}},
         {11 + 2}},
        {"the total counts, the heading does not",
         {.heading = longTitle, .titles = {"Стаж"}, .totals = {std::string("123456789/11/29")}},
         {15 + 2}},
        {"a short column keeps a usable width", {.titles = {"Рік"}}, {kNarrowestColumn}},
        {"a long title is capped", {.titles = {longTitle}}, {kWidestColumn}},
        {"integers count their sign", {.rows = {{-1234567}}}, {8 + 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(sheetColumnWidths(c.sheet), c.expected);
    }
}

TEST(Sheet, NumberFormatsAreListedOnceInTheOrderMet) {
    Sheet sheet;
    sheet.rows = {{SheetNumber{1, "0.00###"}, SheetNumber{2, ""}, std::int32_t{3}},
                  {dateFromCivil(2000, 1, 1), SheetNumber{4, "0.00"}, SheetNumber{5, "0.00###"}}};
    sheet.totals = {SheetNumber{6, "0.00000"}};
    EXPECT_EQ(sheetNumberFormats(sheet),
              (std::vector<std::string>{"0.00###", kSheetDateFormat, "0.00", "0.00000"}));
}

TEST(Sheet, HeadingNamesThePersonAndTheExportDay) {
    const Date exportDay = dateFromCivil(2026, 12, 10);
    EXPECT_EQ(sheetHeading("Іваненко Петро Степанович", dateFromCivil(1965, 3, 12), "трудовий стаж",
                           exportDay),
              "Іваненко Петро Степанович, 12.03.1965 р. н. — трудовий стаж; вивантажено "
              "10.12.2026");
    EXPECT_EQ(sheetHeading("Іваненко", std::nullopt, "заробітки", exportDay),
              "Іваненко — заробітки; вивантажено 10.12.2026");
    EXPECT_EQ(sheetHeading("", std::nullopt, "заробітки", exportDay),
              "заробітки; вивантажено 10.12.2026");
}

} // namespace
} // namespace rv

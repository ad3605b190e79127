#include "import/import_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace rv::import {
namespace {

std::string utf8(const std::u32string& text) {
    return encodeUtf8(text);
}

std::vector<std::string> normalised(const std::string& text) {
    std::vector<std::string> lines;
    for (const Line& line : normaliseStatement(text))
        lines.push_back(utf8(line));
    return lines;
}

struct AmountCase {
    const char* name;
    const char32_t* text;
    std::optional<double> expected;
};

TEST(ImportTextTest, ParsesAmountsAsPeopleWriteThem) {
    const AmountCase cases[] = {
        {"decimal comma", U"8923,05", 8923.05},
        {"decimal point", U"8923.05", 8923.05},
        {"space groups", U"8 923,05", 8923.05},
        {"no-break space groups", U"1\u00A0234\u00A0567", 1234567},
        {"integer", U"410", 410},
        {"one fraction digit", U"0,5", 0.5},
        {"group of two digits", U"8 92,05", std::nullopt},
        {"first group of four", U"1234 567", std::nullopt},
        {"two separators", U"1,234.56", std::nullopt},
        {"trailing separator", U"12,", std::nullopt},
        {"letters", U"12a", std::nullopt},
        {"empty", U"", std::nullopt},
        {"sixteen integer digits", U"1234567890123456", std::nullopt},
        {"a long fraction", U"0,30000000000000004", 0.30000000000000004},
    };
    for (const AmountCase& c : cases)
        EXPECT_EQ(parseAmount(c.text), c.expected) << c.name;
}

TEST(ImportTextTest, NamesMonthsAndMonthDates) {
    EXPECT_EQ(monthFromName(U"Березень"), 3);
    EXPECT_EQ(monthFromName(U"берез."), 3);
    EXPECT_EQ(monthFromName(U"ЛИС"), 11);
    EXPECT_EQ(monthFromName(U"грудня"), 12);
    EXPECT_EQ(monthFromName(U"Середня"), 0);
    EXPECT_EQ(monthFromName(U"се"), 0);

    struct DateCase {
        const char32_t* text;
        int year;
        int month; // 0: not a month date
    };
    const DateCase dates[] = {{U"03.2005", 2005, 3}, {U"3/2005", 2005, 3}, {U"2005-11", 2005, 11},
                              {U"13.2005", 0, 0},    {U"03.205", 0, 0},    {U"2005.03", 0, 0},
                              {U"01.03.2005", 0, 0}};
    for (const DateCase& d : dates) {
        const auto date = parseMonthDate(d.text);
        EXPECT_EQ(date.has_value(), d.month != 0) << utf8(d.text);
        if (date && d.month != 0) {
            EXPECT_EQ(date->year, d.year) << utf8(d.text);
            EXPECT_EQ(date->month, d.month) << utf8(d.text);
        }
    }
}

struct NormaliseCase {
    const char* name;
    std::string text;
    std::vector<std::string> expected;
};

TEST(ImportTextTest, CleansWhatViewersAdd) {
    const NormaliseCase cases[] = {
        {"no-break and narrow spaces between digits stay inside the amount",
         "8\u00A0923,05 and 1\u202F000",
         {"8\u00A0923,05 and 1\u00A0000"}},
        {"a no-break space between words is a space", "ПІБ:\u00A0Коваль", {"ПІБ: Коваль"}},
        {"soft hyphens vanish", "Страхо\u00ADвий стаж", {"Страховий стаж"}},
        {"three apostrophe forms", "Дʼяченко Д’яченко Д'яченко", {"Д'яченко Д'яченко Д'яченко"}},
        {"Latin look-alikes in a Cyrillic word",
         "2005 рiк, cічень, Kиїв, OK",
         {"2005 рік, січень, Київ, OK"}},
        {"CR LF and form feed end lines", "один\r\nдва\fтри", {"один", "два", "три"}},
        {"an amount cut after its comma joins the next line",
         "03.2011 8 923,\n05 1,5\nдалі",
         {"03.2011 8 923,05 1,5", "далі"}},
        {"an amount cut before its comma joins the next line",
         "03.2011 8923\n,05 1\nдалі",
         {"03.2011 8923,05 1", "далі"}},
        {"page numbers are dropped, a year alone stays",
         "рядок\nСторінка 2 з 5\n- 3 -\n4/5\nстор. 7\nPage 3 of 9\n2005\n1 2 3",
         {"рядок", "2005", "1 2 3"}},
        {"a repeated header stays once, repeated data stays",
         "Шапка ОК-5\n1 1 1 1\nШапка ОК-5\n1 1 1 1",
         {"Шапка ОК-5", "1 1 1 1", "1 1 1 1"}},
        {"code page 1251 bytes are read",
         std::string("\xd1\xB3\xF7\xE5\xED\xFC 410"),
         {"Січень 410"}},
        {"byte order mark",
         "\xEF\xBB\xBF"
         "2005",
         {"2005"}},
    };
    for (const NormaliseCase& c : cases)
        EXPECT_EQ(normalised(c.text), c.expected) << c.name;
}

TEST(ImportTextTest, TokenisesCellsWithTheirColumns) {
    // A plain space may separate thousands or cells: the pieces stay apart for the row's reader.
    const auto tokens = tokenise(U"12345678  1   1\u00A0000,00  -  2 345 678  03.2005");
    ASSERT_EQ(tokens.size(), 8u);
    EXPECT_EQ(tokens[0].value, 12345678);
    EXPECT_TRUE(tokens[0].integer);
    EXPECT_EQ(tokens[2].value, 1000) << "a no-break space joins the groups";
    EXPECT_FALSE(tokens[2].integer);
    EXPECT_EQ(tokens[2].begin, 14);
    EXPECT_EQ(tokens[2].end, 22);
    EXPECT_EQ(tokens[3].kind, Token::Kind::Empty);
    EXPECT_EQ(tokens[4].value, 2);
    EXPECT_EQ(tokens[5].begin, tokens[4].end + 1);
    EXPECT_EQ(tokens[7].kind, Token::Kind::Word);

    const auto cells = tokenise(U"2001;;\"1 410,50\";;");
    ASSERT_EQ(cells.size(), 3u) << "trailing empty cells are dropped";
    EXPECT_EQ(cells[1].kind, Token::Kind::Empty);
    EXPECT_EQ(cells[2].value, 1410.5);
    EXPECT_EQ(cells[2].begin, 2);
}

} // namespace
} // namespace rv::import

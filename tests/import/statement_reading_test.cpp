#include "import/statement_reading.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace rv::import {
namespace {

std::string fixture(const char* name) {
    std::ifstream file(std::string(RV_IMPORT_DATA_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    return {std::istreambuf_iterator<char>(file), {}};
}

using MonthKey = std::pair<int, int>; // year, calendar month

std::map<MonthKey, double> amounts(const StatementReading& reading) {
    std::map<MonthKey, double> result;
    for (const ImportedMonth& month : reading.months)
        result[{month.month.year, calendarMonth(month.month)}] = month.amount;
    return result;
}

std::map<MonthKey, double> experience(const StatementReading& reading) {
    std::map<MonthKey, double> result;
    for (const ImportedMonth& month : reading.months)
        if (month.experienceMonths)
            result[{month.month.year, calendarMonth(month.month)}] = *month.experienceMonths;
    return result;
}

std::vector<std::tuple<int, int, ImportFlagCode>> flags(const StatementReading& reading) {
    std::vector<std::tuple<int, int, ImportFlagCode>> result;
    for (const ImportFlag& flag : reading.flags)
        result.emplace_back(flag.year, flag.month, flag.code);
    return result;
}

TEST(StatementReadingTest, YearBlocksAcrossPagesWithVanishedMonths) {
    const StatementReading reading = readStatement(fixture("year_blocks.txt"));
    std::map<MonthKey, double> expected;
    for (int month = 1; month <= 12; ++month)
        expected[{2005, month}] = 1000 + 10 * (month - 1);
    const std::map<int, double> first2006 = {{4, 2100},   {5, 2100},  {6, 2150.5},
                                             {7, 2150.5}, {8, 2200},  {9, 2200},
                                             {10, 2200},  {11, 2300}, {12, 2400}};
    for (const auto& [month, amount] : first2006)
        expected[{2006, month}] = amount;
    expected[{2006, 11}] += 8923.05;
    expected[{2006, 12}] += 12345.67;
    const auto read = amounts(reading);
    ASSERT_EQ(read.size(), expected.size());
    for (const auto& [key, amount] : expected)
        EXPECT_NEAR(read.at(key), amount, 0.001) << key.first << "/" << key.second;

    const auto months = experience(reading);
    EXPECT_EQ(months.at({2005, 1}), 1);
    EXPECT_EQ(months.at({2005, 12}), 0.75);
    EXPECT_EQ(months.at({2006, 4}), 1);
    EXPECT_FALSE(months.contains({2006, 1}));

    using Code = ImportFlagCode;
    const std::vector<std::tuple<int, int, Code>> expectedFlags = {
        {2006, 0, Code::TotalMismatch},
        {2006, 11, Code::SeveralEmployers},
        {2006, 12, Code::SeveralEmployers},
    };
    EXPECT_EQ(flags(reading), expectedFlags);
    EXPECT_NE(reading.flags.front().text.find("41 069,72"), std::string::npos)
        << reading.flags.front().text;
    EXPECT_TRUE(reading.unread.empty()) << reading.unread.front();

    ASSERT_TRUE(reading.person);
    EXPECT_EQ(reading.person->name, "Д'яченко Олесь Петрович");
    EXPECT_EQ(reading.person->rnokpp, "2381040512");
    EXPECT_TRUE(reading.person->rnokppValid);
    EXPECT_EQ(formatDate(*reading.person->birthDate), "10.03.1965");
    EXPECT_EQ(reading.person->gender, 0);
}

TEST(StatementReadingTest, MonthLinesAddEmployersAndJoinACutAmount) {
    const StatementReading reading = readStatement(fixture("monthly_lines.txt"));
    const std::map<MonthKey, double> expected = {{{2011, 1}, 3210},
                                                 {{2011, 2}, 3210},
                                                 {{2011, 3}, 3500.5},
                                                 {{2011, 4}, 8923.05},
                                                 {{2011, 5}, 4100}};
    const auto read = amounts(reading);
    ASSERT_EQ(read.size(), expected.size());
    for (const auto& [key, amount] : expected)
        EXPECT_NEAR(read.at(key), amount, 0.001) << key.second;
    const std::map<MonthKey, double> months = {
        {{2011, 1}, 1}, {{2011, 2}, 1}, {{2011, 3}, 1}, {{2011, 4}, 1}, {{2011, 5}, 1}};
    EXPECT_EQ(experience(reading), months);
    const std::vector<std::tuple<int, int, ImportFlagCode>> expectedFlags = {
        {2011, 3, ImportFlagCode::SeveralEmployers}};
    EXPECT_EQ(flags(reading), expectedFlags);
    ASSERT_TRUE(reading.person);
    EXPECT_EQ(reading.person->name, "Гнатюк Мар'яна Ігорівна");
    EXPECT_EQ(reading.person->gender, 1);
    EXPECT_EQ(formatDate(*reading.person->birthDate), "02.11.1971");
}

TEST(StatementReadingTest, CertificateOfMonthRowsByYearColumns) {
    const StatementReading reading = readStatement(fixture("certificate_months.txt"));
    const auto read = amounts(reading);
    EXPECT_EQ(read.size(), 35u) << "July 1995 has a dash";
    EXPECT_EQ(read.at({1993, 1}), 850000);
    EXPECT_EQ(read.at({1994, 12}), 4610000);
    EXPECT_EQ(read.at({1995, 8}), 12000000);
    EXPECT_FALSE(read.contains({1995, 7}));
    const std::vector<std::tuple<int, int, ImportFlagCode>> expectedFlags = {
        {1994, 0, ImportFlagCode::TotalMismatch}};
    EXPECT_EQ(flags(reading), expectedFlags);
    ASSERT_TRUE(reading.person) << "the certificate is issued to the person";
    EXPECT_EQ(reading.person->name, "Гнатюк Мар'яна Ігорівна");
}

TEST(StatementReadingTest, CertificateOfYearRowsByMonthColumnsFromASpreadsheet) {
    const StatementReading reading = readStatement(fixture("certificate_years.tsv"));
    const auto read = amounts(reading);
    EXPECT_EQ(read.size(), 23u) << "March 1999 is an empty cell";
    EXPECT_EQ(read.at({1998, 3}), 160.02);
    EXPECT_FALSE(read.contains({1999, 3}));
    EXPECT_EQ(read.at({1999, 12}), 205.11);
    EXPECT_TRUE(reading.flags.empty()) << reading.flags.front().text;
}

TEST(StatementReadingTest, PlainListsInEverySeparator) {
    const StatementReading reading = readStatement(fixture("plain_list.txt"));
    const std::map<MonthKey, double> expected = {
        {{2001, 1}, 410.5}, {{2001, 2}, 420.75}, {{2001, 3}, 430},  {{2001, 4}, 1440.25},
        {{2001, 5}, 450},   {{2001, 6}, 460.6},  {{2001, 7}, 470.7}};
    EXPECT_EQ(amounts(reading), expected);
    EXPECT_EQ(reading.unread, std::vector<std::string>{"2001;13;100,00"});
}

TEST(StatementReadingTest, ARowTotalThatDoesNotAddUpIsFlagged) {
    std::string text = "2007 рік\n11111111 1";
    for (int month = 1; month <= 12; ++month)
        text += "  1000,00";
    text += "  12000,01\n";
    const StatementReading reading = readStatement(text);
    EXPECT_EQ(reading.months.size(), 12u);
    ASSERT_EQ(reading.flags.size(), 1u);
    EXPECT_EQ(reading.flags[0].code, ImportFlagCode::TotalMismatch);
    EXPECT_EQ(reading.flags[0].text,
              "2007 р., роботодавець 11111111: сума місяців рядка 12 000,00, а надруковано "
              "підсумок 12 000,01");
}

struct NothingCase {
    const char* name;
    std::string text;
    std::string reason;
};

TEST(StatementReadingTest, ASourceWithoutMonthsSaysWhy) {
    const std::string prefix = "У тексті не знайдено жодного місяця з заробітком: ";
    const NothingCase cases[] = {
        {"empty", "", "текст порожній"},
        {"blank lines", " \n\t\n", "текст порожній"},
        {"words only", "Довідка\nпро заробітну плату", "у тексті немає жодного числа"},
        {"numbers in no shape", "Разом 12 345,00\nІнше",
         "жоден рядок не вдалося прочитати як "
         "місяць і суму; наприклад, рядок «Разом "
         "12 345,00»"},
        {"zero amounts", "2005;3;0\n2005;4;0,00", "усі знайдені суми нульові"},
    };
    for (const NothingCase& c : cases) {
        const StatementReading reading = readStatement(c.text);
        EXPECT_TRUE(reading.months.empty()) << c.name;
        EXPECT_EQ(reading.nothingFound, prefix + c.reason) << c.name;
    }
}

} // namespace
} // namespace rv::import

// The statements as their forms lay them out: an ОК-5 copied from a viewer and laid out by
// poppler, an ОК-7 with the year and the month in columns of their own, a wage certificate.
// Each is built from one table of months, so the expected months are those the form prints.
#include "import/statement_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rv::import {
namespace {

using MonthKey = std::pair<int, int>; // year, calendar month

// 3432.56 as "3 432,56".
std::string money(double amount) {
    const long long cents = std::llround(amount * 100);
    std::string whole = std::to_string(cents / 100);
    for (int i = static_cast<int>(whole.size()) - 3; i > 0; i -= 3)
        whole.insert(static_cast<std::size_t>(i), " ");
    const int fraction = static_cast<int>(cents % 100);
    return whole + "," + (fraction < 10 ? "0" : "") + std::to_string(fraction);
}

std::string months(double value) {
    if (value == std::floor(value))
        return std::to_string(static_cast<int>(value));
    std::string text = money(value);
    while (text.back() == '0')
        text.pop_back();
    return text;
}

std::string padLeft(const std::string& text, std::size_t width) {
    std::size_t length = 0; // code points
    for (unsigned char c : text)
        length += (c & 0xC0) != 0x80;
    return std::string(width > length ? width - length : 1, ' ') + text;
}

// One insurer's year in an ОК-5: wages of the months it reported, experience of every month.
struct InsurerYear {
    std::string code;
    std::map<int, double> wages;      // month -> amount; the other cells are empty
    std::map<int, double> experience; // month -> months; the others print 0
};

struct Ok5Year {
    int year = 0;
    std::vector<InsurerYear> insurers;
};

// The rows of an ОК-5 as a viewer copies them: cells one space apart, empty cells gone.
std::vector<std::string> copiedRows(const Ok5Year& block) {
    std::vector<std::string> rows;
    bool first = true;
    for (const InsurerYear& insurer : block.insurers) {
        std::string wages = (first ? std::to_string(block.year) + " " : std::string()) +
                            insurer.code + " 1 Сума заробітку (доходу)";
        std::string contributions = "Сума сплачених страхових внесків";
        std::string experience = "Страховий стаж (місяців)";
        double total = 0;
        double totalExperience = 0;
        for (int m = 1; m <= 12; ++m) {
            if (insurer.wages.contains(m)) {
                wages += " " + money(insurer.wages.at(m));
                contributions += " " + money(insurer.wages.at(m) * 0.22);
                total += insurer.wages.at(m);
            }
            const double worked = insurer.experience.contains(m) ? insurer.experience.at(m) : 0;
            experience += " " + months(worked);
            totalExperience += worked;
        }
        rows.push_back(wages + " " + money(total));
        rows.push_back(contributions);
        rows.push_back(experience + " " + months(totalExperience));
        first = false;
    }
    return rows;
}

// The same rows laid out in columns as poppler prints a PDF's table: every cell in its column.
constexpr std::size_t kLabelWidth = 50;
constexpr std::size_t kCellWidth = 12;

// The header's numbers stand in the middle of their columns, the amounts at the right.
std::string laidOutHeader() {
    std::string header = "Рік   Код    Ознака  Назва показника";
    header += std::string(kLabelWidth - 35, ' ');
    for (int m = 1; m <= 12; ++m)
        header += padLeft(std::to_string(m), kCellWidth / 2) + std::string(kCellWidth / 2, ' ');
    return header + padLeft("Всього", kCellWidth / 2 + 4);
}

std::vector<std::string> laidOutRows(const Ok5Year& block) {
    std::vector<std::string> rows;
    bool first = true;
    for (const InsurerYear& insurer : block.insurers) {
        const std::string prefix = (first ? std::to_string(block.year) : std::string("    ")) +
                                   "  " + insurer.code + "  1  ";
        std::string wages = prefix + "Сума заробітку (доходу)";
        std::string experience = std::string(prefix.size(), ' ') + "Страховий стаж (місяців)";
        const auto pad = [](std::string& row) {
            std::size_t length = 0;
            for (unsigned char c : row)
                length += (c & 0xC0) != 0x80;
            row += std::string(kLabelWidth > length ? kLabelWidth - length : 1, ' ');
        };
        pad(wages);
        pad(experience);
        double total = 0;
        double totalExperience = 0;
        for (int m = 1; m <= 12; ++m) {
            const bool paid = insurer.wages.contains(m);
            wages += paid ? padLeft(money(insurer.wages.at(m)), kCellWidth)
                          : std::string(kCellWidth, ' ');
            total += paid ? insurer.wages.at(m) : 0;
            const double worked = insurer.experience.contains(m) ? insurer.experience.at(m) : 0;
            experience += padLeft(months(worked), kCellWidth);
            totalExperience += worked;
        }
        rows.push_back(wages + padLeft(money(total), kCellWidth + 2));
        rows.push_back("                                     (доходу)");
        rows.push_back(experience + padLeft(months(totalExperience), kCellWidth + 2));
        first = false;
    }
    return rows;
}

std::vector<Ok5Year> career() {
    std::vector<Ok5Year> years;
    Ok5Year y2000{2000, {{"05512733", {}, {}}}};
    const double amounts2000[] = {282.02, 265.43, 290.10, 301.00, 299.99, 310.00,
                                  305.55, 320.00, 318.40, 333.00, 340.01, 393.11};
    for (int m = 1; m <= 12; ++m) {
        y2000.insurers[0].wages[m] = amounts2000[m - 1];
        y2000.insurers[0].experience[m] = 1;
    }
    years.push_back(y2000);
    // Two insurers, each with months without a record; a part month at the change.
    Ok5Year y2001{2001, {{"05512733", {}, {}}, {"40138623", {}, {}}}};
    for (int m = 1; m <= 4; ++m) {
        y2001.insurers[0].wages[m] = 410.5 + m;
        y2001.insurers[0].experience[m] = 1;
    }
    const double amounts2001[] = {797.50,  5170.83, 4970.74, 5100.00,
                                  5230.10, 5400.00, 5512.16, 7069.00};
    for (int m = 5; m <= 12; ++m) {
        y2001.insurers[1].wages[m] = amounts2001[m - 5];
        y2001.insurers[1].experience[m] = m == 5 ? 0.55 : 1;
    }
    years.push_back(y2001);
    // A month of experience without wages, and wages of ten thousands.
    Ok5Year y2002{2002, {{"40138623", {}, {}}}};
    for (int m = 1; m <= 12; ++m) {
        if (m != 7)
            y2002.insurers[0].wages[m] = 12345.67 + m;
        y2002.insurers[0].experience[m] = 1;
    }
    years.push_back(y2002);
    return years;
}

std::map<MonthKey, double> expectedAmounts(const std::vector<Ok5Year>& years) {
    std::map<MonthKey, double> expected;
    for (const Ok5Year& year : years)
        for (const InsurerYear& insurer : year.insurers)
            for (const auto& [month, amount] : insurer.wages)
                expected[{year.year, month}] += amount;
    return expected;
}

std::map<MonthKey, double> readAmounts(const StatementReading& reading) {
    std::map<MonthKey, double> result;
    for (const ImportedMonth& month : reading.months)
        if (month.amount > 0)
            result[{month.month.year, calendarMonth(month.month)}] = month.amount;
    return result;
}

void expectSameMonths(const std::map<MonthKey, double>& read,
                      const std::map<MonthKey, double>& expected, const char* name) {
    for (const auto& [key, amount] : expected) {
        const auto found = read.find(key);
        if (found == read.end())
            ADD_FAILURE() << name << ": " << key.first << "/" << key.second << " not read";
        else
            EXPECT_EQ(std::llround(found->second * 100), std::llround(amount * 100))
                << name << ": " << key.first << "/" << key.second;
    }
    for (const auto& [key, amount] : read)
        EXPECT_TRUE(expected.contains(key))
            << name << ": " << key.first << "/" << key.second << " invented: " << amount;
}

const char* const kOk5Head = "Пенсійний фонд України\n"
                             "Форма ОК-5\n"
                             "ІНДИВІДУАЛЬНІ ВІДОМОСТІ ПРО ЗАСТРАХОВАНУ ОСОБУ\n"
                             "Прізвище, ім'я, по батькові: ПЕТРЕНКО ОКСАНА ІВАНІВНА\n"
                             "Реєстраційний номер облікової картки платника податків: 2490812346\n";

std::string footer(int page, int pages) {
    return "Сформовано 05.02.2025 10:14:37 Код перевірки: 7F3A-91C2 Сторінка " +
           std::to_string(page) + " з " + std::to_string(pages) + "\n";
}

TEST(StatementLayoutsTest, Ok5CopiedFromAViewerWithEmptyCellsAndAPageBreak) {
    const std::vector<Ok5Year> years = career();
    std::string text = kOk5Head;
    text += "Рік Код страхувальника Ознака 1 2 3 4 5 6 7 8 9 10 11 12 Всього\n";
    int row = 0;
    for (const Ok5Year& year : years)
        for (const std::string& line : copiedRows(year)) {
            text += line + "\n";
            // The page ends inside 2001, between its two insurers.
            if (++row == 6)
                text += footer(1, 2) + "ПЕТРЕНКО ОКСАНА ІВАНІВНА\n"
                                       "Рік Код страхувальника Ознака 1 2 3 4 5 6 7 8 9 10 11 12 "
                                       "Всього\n";
        }
    text += footer(2, 2);
    const StatementReading reading = readStatement(text);
    // 2002 has eleven amounts and twelve months of experience: which month is empty, a copy
    // cannot tell, so its row is left for the person and nothing is guessed.
    std::map<MonthKey, double> expected = expectedAmounts(years);
    std::erase_if(expected, [](const auto& month) { return month.first.first == 2002; });
    expectSameMonths(readAmounts(reading), expected, "copied");
    ASSERT_EQ(reading.unread.size(), 1u);
    EXPECT_EQ(reading.unread.front().substr(0, 13), "2002 40138623");
    EXPECT_EQ(reading.firstYear, 2000);
    EXPECT_EQ(reading.lastYear, 2002);
    std::map<ImportFlagCode, int> codes;
    for (const ImportFlag& flag : reading.flags)
        ++codes[flag.code];
    EXPECT_EQ(codes[ImportFlagCode::TotalMismatch], 0);
    EXPECT_EQ(codes[ImportFlagCode::Unconfirmed], 1);
    ASSERT_TRUE(reading.person);
    EXPECT_EQ(reading.person->name, "ПЕТРЕНКО ОКСАНА ІВАНІВНА");
    EXPECT_EQ(formatDate(*reading.person->birthDate), "12.03.1968");
    for (const ImportedMonth& month : reading.months) {
        if (month.month == ledgerMonthFromCalendar(2001, 5)) {
            EXPECT_EQ(month.experienceMonths, 0.55);
        }
    }
}

TEST(StatementLayoutsTest, Ok5LaidOutInColumnsPlacesEmptyCellsByTheHeader) {
    const std::vector<Ok5Year> years = career();
    std::string text = kOk5Head;
    text += laidOutHeader() + "\n";
    for (const Ok5Year& year : years)
        for (const std::string& line : laidOutRows(year))
            text += line + "\n";
    text += "\n" + std::string(90, ' ') + footer(1, 7);
    const StatementReading reading = readStatement(text);
    expectSameMonths(readAmounts(reading), expectedAmounts(years), "laid out");
    EXPECT_TRUE(reading.unread.empty()) << reading.unread.front();
    for (const ImportFlag& flag : reading.flags)
        EXPECT_NE(flag.code, ImportFlagCode::Unconfirmed) << flag.text;
}

TEST(StatementLayoutsTest, Ok5WithTheYearOnEveryRowKeepsTheBlockTogether) {
    // The experience row names the year again; it still places the row with empty cells.
    const StatementReading reading =
        readStatement("2001 40138623 1 Сума заробітку (доходу) 797,50 5 170,83 5 968,33\n"
                      "2001 40138623 1 Сума сплачених страхових внесків 175,45 1 137,58 1 313,03\n"
                      "2001 40138623 1 Страховий стаж (місяців) 0 0 0 0 0 0 0 0 0 0 0,55 1 1,55\n");
    const std::map<MonthKey, double> expected = {{{2001, 11}, 797.5}, {{2001, 12}, 5170.83}};
    expectSameMonths(readAmounts(reading), expected, "year on every row");
    EXPECT_TRUE(reading.unread.empty()) << reading.unread.front();
}

TEST(StatementLayoutsTest, Ok5RowWhoseMonthsCannotBeToldIsLeftForThePerson) {
    // Three amounts, no experience row and no columns: their months are unknown.
    const StatementReading reading = readStatement(
        "2003 05512733 1 Сума заробітку (доходу) 500,00 600,00 700,00 1 800,00\n"
        "2004 05512733 1 Сума заробітку (доходу) 100,00 100,00 100,00 100,00 100,00 100,00 "
        "100,00 100,00 100,00 100,00 100,00 100,00 1 200,00\n");
    EXPECT_EQ(reading.months.size(), 12u) << "2004 only";
    ASSERT_EQ(reading.unread.size(), 1u);
    EXPECT_EQ(reading.unread.front().substr(0, 4), "2003");
    ASSERT_FALSE(reading.flags.empty());
    EXPECT_EQ(reading.flags.front().code, ImportFlagCode::Unconfirmed);
    EXPECT_EQ(reading.firstYear, 2003);
}

TEST(StatementLayoutsTest, Ok7WithYearAndMonthColumnsCategoryAndZeroWages) {
    const std::string text =
        "Форма ОК-7\n"
        "Рік Місяць Код ЄДРПОУ Назва страхувальника Код категорії ЗО Сума заробітку (доходу) "
        "Сума сплачених внесків Страховий стаж\n"
        "2019 01 42177308 ТОВАРИСТВО З ОБМЕЖЕНОЮ ВІДПОВІДАЛЬНІСТЮ «НОРДВЕЙ ЛОГІСТИК» 1 11 952,03 "
        "2 629,45 1\n"
        "2019 02 42177308 ТОВАРИСТВО З ОБМЕЖЕНОЮ\n"
        "ВІДПОВІДАЛЬНІСТЮ «НОРДВЕЙ\n"
        "ЛОГІСТИК»\n"
        "1 952,03 209,45 1\n"
        "2019 03 42177308 ТОВ «НОРДВЕЙ ЛОГІСТИК» 1 5 000,00 1 100,00 0,5\n"
        "2019 03 31415926 ШКОЛА № 5 1 4 000,00 880,00 0,5\n"
        "Всього за 2019 рік 21 904,06 4 818,90 2,5\n"
        "01.2023 37734022 УПРАВЛІННЯ СОЦІАЛЬНОГО ЗАХИСТУ НАСЕЛЕННЯ 6 0,00 1 474,00 1\n"
        // A column after the experience is not read as one.
        "2019 04 42177308 ТОВ «НОРДВЕЙ ЛОГІСТИК» 1 6 100,00 1 342,00 1 30\n" +
        footer(1, 1);
    const StatementReading reading = readStatement(text);
    const std::map<MonthKey, double> expected = {
        {{2019, 1}, 11952.03}, {{2019, 2}, 952.03}, {{2019, 3}, 9000}, {{2019, 4}, 6100}};
    expectSameMonths(readAmounts(reading), expected, "ОК-7");
    EXPECT_TRUE(reading.unread.empty()) << reading.unread.front();
    // The month of care is kept with its experience and flagged, its amount zero.
    const auto care =
        std::find_if(reading.months.begin(), reading.months.end(), [](const ImportedMonth& month) {
            return month.month == ledgerMonthFromCalendar(2023, 1);
        });
    ASSERT_NE(care, reading.months.end());
    EXPECT_EQ(care->amount, 0);
    EXPECT_EQ(care->experienceMonths, 1);
    std::map<ImportFlagCode, int> codes;
    for (const ImportFlag& flag : reading.flags)
        ++codes[flag.code];
    EXPECT_EQ(codes[ImportFlagCode::ZeroEarning], 1);
    EXPECT_EQ(codes[ImportFlagCode::SeveralEmployers], 1);
    const auto march =
        std::find_if(reading.months.begin(), reading.months.end(), [](const ImportedMonth& month) {
            return month.month == ledgerMonthFromCalendar(2019, 3);
        });
    ASSERT_NE(march, reading.months.end());
    ASSERT_EQ(march->parts.size(), 2u);
    EXPECT_EQ(march->parts[1].employer, "31415926");
    EXPECT_EQ(march->parts[1].amount, 4000);
    EXPECT_EQ(march->experienceMonths, 1);
    EXPECT_EQ(reading.firstYear, 2019);
    EXPECT_EQ(reading.lastYear, 2023);
}

TEST(StatementLayoutsTest, WageCertificateNamesItsPersonInTheSentence) {
    const std::string text =
        "ДОВІДКА про заробітну плату для обчислення пенсії\n"
        "Видана ГОРБАТЮК НІНІ ПЕТРІВНІ, 03.05.1961 року народження, реєстраційний номер облікової\n"
        "картки платника податків 2240340743, в тому, що її заробітна плата становила:\n"
        "Місяць 1990 1991 1995\n"
        "Січень 180,50 190,00 12 600 000\n"
        "Лютий 181,50 191,00 13 200 000\n"
        "Разом 362,00 381,00 25 800 000\n"
        "Підстава: особові рахунки за 1990–1995 рр. М.П.\n";
    const StatementReading reading = readStatement(text);
    const std::map<MonthKey, double> expected = {{{1990, 1}, 180.5},    {{1990, 2}, 181.5},
                                                 {{1991, 1}, 190},      {{1991, 2}, 191},
                                                 {{1995, 1}, 12600000}, {{1995, 2}, 13200000}};
    expectSameMonths(readAmounts(reading), expected, "certificate");
    EXPECT_TRUE(reading.flags.empty()) << reading.flags.front().text;
    ASSERT_TRUE(reading.person);
    EXPECT_EQ(reading.person->name, "ГОРБАТЮК НІНА ПЕТРІВНА");
    EXPECT_EQ(reading.person->rnokpp, "2240340743");
    EXPECT_TRUE(reading.person->rnokppValid);
    EXPECT_EQ(formatDate(*reading.person->birthDate), "03.05.1961");
    EXPECT_EQ(reading.person->gender, 1);
}

} // namespace
} // namespace rv::import

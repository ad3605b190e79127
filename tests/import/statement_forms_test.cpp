// The statements in tests/data/import/forms: each form drawn as a PDF table the way the Fund's
// and employers' documents are, read from the PDF (poppler's layout) and from the text a
// browser's viewer copies out of it, against the months the document prints.
#include "calc/reference.h"
#include "import/pdf_text.h"
#include "import/statement_reading.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <string>
#include <utility>

namespace rv::import {
namespace {

using json = nlohmann::json;
using MonthKey = std::pair<int, int>;

std::string formFile(const std::string& name) {
    std::ifstream file(std::string(RV_IMPORT_DATA_DIR) + "/forms/" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    return {std::istreambuf_iterator<char>(file), {}};
}

struct Expected {
    std::map<MonthKey, long long> cents;
    std::map<MonthKey, double> experience;
    json person;
};

Expected expectedOf(const std::string& form) {
    const json document = json::parse(formFile(form + ".expected.json"));
    Expected expected;
    for (const json& month : document["months"]) {
        const MonthKey key{month["year"].get<int>(), month["month"].get<int>()};
        expected.cents[key] = std::llround(month["amount"].get<double>() * 100);
        if (month.contains("experience"))
            expected.experience[key] = month["experience"].get<double>();
    }
    expected.person = document["person"];
    return expected;
}

struct FormCase {
    const char* form;
    const char* source; // "pdf" or "browser.txt"
    // From this year on the copy cannot always tell the amounts apart (integers of karbovanets
    // one space apart, empty cells gone): those months may stay unread, never be read wrong.
    int undecidableFrom = 0;
    int leastRight = 0; // of the months printed
};

void PrintTo(const FormCase& c, std::ostream* out) {
    *out << c.form << "." << c.source;
}

class StatementFormsTest : public testing::TestWithParam<FormCase> {};

TEST_P(StatementFormsTest, ReadsEveryMonthTheFormPrintsAndInventsNone) {
    const FormCase& c = GetParam();
    const Expected expected = expectedOf(c.form);
    std::string failure;
    const std::string text = sourceText(formFile(std::string(c.form) + "." + c.source), failure);
    ASSERT_TRUE(failure.empty()) << failure;
    static const auto reference = Reference::fromStored(EmbeddedReferenceData());
    const StatementReading reading = readStatement(text, reference.get());

    std::map<MonthKey, const ImportedMonth*> read;
    for (const ImportedMonth& month : reading.months)
        read[{month.month.year, calendarMonth(month.month)}] = &month;
    int right = 0;
    for (const auto& [key, cents] : expected.cents) {
        const auto found = read.find(key);
        const bool undecidable = c.undecidableFrom != 0 && key.first >= c.undecidableFrom;
        if (found == read.end()) {
            if (!undecidable)
                ADD_FAILURE() << key.first << "/" << key.second << " not read";
            continue;
        }
        EXPECT_EQ(std::llround(found->second->amount * 100), cents)
            << key.first << "/" << key.second;
        right += std::llround(found->second->amount * 100) == cents;
        if (expected.experience.contains(key)) {
            EXPECT_EQ(found->second->experienceMonths, expected.experience.at(key))
                << key.first << "/" << key.second;
        }
    }
    for (const auto& [key, month] : read)
        EXPECT_TRUE(expected.cents.contains(key))
            << key.first << "/" << key.second << " invented: " << month->amount;
    EXPECT_EQ(reading.firstYear, expected.cents.begin()->first.first);
    EXPECT_EQ(reading.lastYear, expected.cents.rbegin()->first.first);
    if (c.undecidableFrom == 0) {
        EXPECT_EQ(right, static_cast<int>(expected.cents.size()));
        for (const std::string& line : reading.unread)
            ADD_FAILURE() << "unread: " << line; // every line with amounts is a month's
    } else {
        EXPECT_GE(right, c.leastRight);
        EXPECT_FALSE(reading.unread.empty()) << "the rows not read are listed for the person";
    }

    ASSERT_TRUE(reading.person);
    EXPECT_EQ(reading.person->name, expected.person["name"].get<std::string>());
    EXPECT_EQ(reading.person->rnokpp, expected.person["rnokpp"].get<std::string>());
    EXPECT_TRUE(reading.person->rnokppValid);
    ASSERT_TRUE(reading.person->birthDate);
    EXPECT_EQ(formatDate(*reading.person->birthDate),
              expected.person["birth_date"].get<std::string>());
}

const FormCase kForms[] = {
    {"ok5_portal", "pdf"},
    {"ok5_portal", "browser.txt"},
    {"ok5_year_rows", "pdf"},
    {"ok5_year_rows", "browser.txt"},
    {"ok5_page_break", "pdf"},
    {"ok5_page_break", "browser.txt"},
    {"ok7_year_month", "pdf"},
    {"ok7_year_month", "browser.txt"},
    {"ok7_period", "pdf"},
    {"ok7_period", "browser.txt"},
    {"wage_certificate_1988_1997", "pdf"},
    // Rows of karbovanets split where the amounts lie nearest the months' average wages; the
    // three rows with an empty cell stay unread.
    {"wage_certificate_1988_1997", "browser.txt", 1993, 105},
};

INSTANTIATE_TEST_SUITE_P(Forms, StatementFormsTest, testing::ValuesIn(kForms),
                         [](const testing::TestParamInfo<FormCase>& param) {
                             std::string name = std::string(param.param.form) + "_" +
                                                (param.param.source[0] == 'p' ? "pdf" : "copied");
                             return name;
                         });

} // namespace
} // namespace rv::import

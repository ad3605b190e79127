#include "tools/refpack/refdata_check.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

namespace rv::refdata {
namespace {

struct CheckCase {
    const char* name;
    std::size_t layout;                   // index into referenceTableLayouts()
    std::string rows;                     // data lines after the header
    std::optional<std::string> refusedAt; // "file:line: "; empty when the table is accepted
};

std::string headerOf(std::size_t layout) {
    return layout == 3 ? "begin;end;value;type;source\n" : "begin;end;value;source\n";
}

TEST(RefdataCheckTest, AcceptsOrderedTablesAndNamesTheLineOfTheFirstFault) {
    constexpr std::size_t minZp = 2;
    constexpr std::size_t koeff = 3;
    const CheckCase cases[] = {
        {"ordered rows, open last row",
         minZp,
         "01.01.2000;31.12.2000;100;s\n01.01.2001;;123.45;s\n",
         {}},
        {"two coefficient types, each with its open last row",
         koeff,
         "01.01.2004;31.12.2007;1;1;s\n01.01.2004;;1;2;s\n01.01.2008;;1.2;1;s\n",
         {}},
        {"no rows at all", minZp, "", "MinZP.csv: "},
        {"date without leading zeros", minZp, "1.1.2000;;100;s\n", "MinZP.csv:2: "},
        {"no such day", minZp, "01.01.2000;31.12.2000;1;s\n30.02.2001;;1;s\n", "MinZP.csv:3: "},
        {"decimal comma", minZp, "01.01.2000;;123,45;s\n", "MinZP.csv:2: "},
        {"empty value", minZp, "01.01.2000;;;s\n", "MinZP.csv:2: "},
        {"type not an integer", koeff, "01.01.2004;;1;x;s\n", "Koeff.csv:2: "},
        {"end before begin", minZp, "01.01.2000;31.12.1999;1;s\n", "MinZP.csv:2: "},
        {"begin dates descending", minZp, "01.01.2001;;1;s\n01.01.2000;31.12.2000;1;s\n",
         "MinZP.csv:3: "},
        {"overlap with the row above", minZp, "01.01.2000;31.12.2000;1;s\n31.12.2000;;2;s\n",
         "MinZP.csv:3: "},
        {"open end before the last row", minZp, "01.01.2000;;1;s\n01.01.2001;;2;s\n",
         "MinZP.csv:3: "},
        {"open end before the last row of its type", koeff,
         "01.01.2004;;1;1;s\n01.01.2004;;1;2;s\n01.01.2008;;1.2;1;s\n", "Koeff.csv:4: "},
    };
    for (const auto& c : cases) {
        const ReferenceTableLayout& layout = referenceTableLayouts()[c.layout];
        SCOPED_TRACE(testing::Message() << c.name << ":\n" << c.rows);
        const CsvFile csv = parseCsv(headerOf(c.layout) + c.rows, std::string(layout.fileName));
        try {
            checkReferenceTable(csv, layout);
            EXPECT_FALSE(c.refusedAt) << "accepted, expected a refusal at " << *c.refusedAt;
        } catch (const RefdataError& error) {
            ASSERT_TRUE(c.refusedAt) << "refused: " << error.what();
            EXPECT_TRUE(std::string(error.what()).starts_with(*c.refusedAt)) << error.what();
        }
    }
}

TEST(RefdataCheckTest, StoredParametersMustBeYearsWithinALifetime) {
    const std::array<std::string, 5> good = {"15", "35", "30", "60", "60"};
    struct Case {
        const char* name;
        std::size_t position;
        std::string text;
        bool accepted;
    };
    const Case cases[] = {
        {"the real values", 0, "15", true},
        {"one year", 3, "1", true},
        {"a lifetime", 4, "150", true},
        {"pension age of the smallest integer", 3, "-2147483648", false},
        {"negative years of experience", 0, "-1", false},
        {"zero years", 1, "0", false},
        {"beyond a lifetime", 4, "151", false},
        {"largest integer", 2, "2147483647", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::array<std::string, 5> texts = good;
        texts[c.position] = c.text;
        try {
            checkStoredParameters(texts);
            EXPECT_TRUE(c.accepted) << "accepted " << c.text;
        } catch (const RefdataError& error) {
            EXPECT_FALSE(c.accepted) << error.what();
            EXPECT_NE(std::string(error.what()).find(kStoredParameterNames[c.position]),
                      std::string::npos)
                << error.what();
        }
    }
}

} // namespace
} // namespace rv::refdata

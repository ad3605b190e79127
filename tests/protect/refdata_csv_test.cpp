#include "tools/refpack/refdata_csv.h"

#include <gtest/gtest.h>

#include <string>

namespace rv::refdata {
namespace {

const ReferenceTableLayout& koeffLayout() {
    return referenceTableLayouts()[3];
}

TEST(RefdataCsvTest, ReadsCrLfAndLfLinesAndKeepsSemicolonsOfTheLastColumn) {
    for (const char* lineBreak : {"\n", "\r\n"}) {
        SCOPED_TRACE(lineBreak[0] == '\r' ? "CR LF" : "LF");
        const std::string nl = lineBreak;
        const CsvFile csv = parseCsv("begin;end;value;type;source" + nl +
                                         "01.01.2004;31.12.2007;1;1;art. 25; a law" + nl +
                                         "01.01.2004;;1.35;2;" + nl,
                                     "Koeff.csv");
        ASSERT_EQ(csv.rows.size(), 2u);
        EXPECT_EQ(csv.rows[0].back(), "art. 25; a law");
        EXPECT_EQ(csv.rows[1][1], "");
        EXPECT_EQ(referenceText(csv, koeffLayout()),
                  "k_date_begin1=01.01.2004\r\nk_date_end1=31.12.2007\r\nk_value1=1\r\n"
                  "k_type1=1\r\n"
                  "k_date_begin2=01.01.2004\r\nk_date_end2=\r\nk_value2=1.35\r\nk_type2=2\r\n");
    }
}

TEST(RefdataCsvTest, RefusesShortRowsEmptyLinesAndMissingColumns) {
    const struct {
        const char* name;
        const char* text;
        const char* where; // the start of the message: file and line
    } cases[] = {
        {"short row", "begin;end;value;source\n01.01.2000;;1\n", "MinZP.csv:2: "},
        {"empty line", "begin;end;value;source\n01.01.2000;;1;s\n\n01.01.2001;;1;s\n",
         "MinZP.csv:3: "},
        {"empty file", "", "MinZP.csv: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            parseCsv(c.text, "MinZP.csv");
            ADD_FAILURE() << "accepted";
        } catch (const RefdataError& error) {
            EXPECT_TRUE(std::string(error.what()).starts_with(c.where)) << error.what();
        }
    }
    const CsvFile noValue = parseCsv("begin;end;source\n01.01.2000;;s\n", "MinZP.csv");
    EXPECT_THROW(referenceText(noValue, referenceTableLayouts()[2]), RefdataError);
}

TEST(RefdataCsvTest, StoredParametersAreLookedUpByName) {
    const CsvFile parameters = parseCsv("name;value;source\n"
                                        "PensionAgeFemale;60;b\n"
                                        "MinInsuranceYears;15;a; with a semicolon\n"
                                        "FullInsuranceYearsFemale;30;c\n"
                                        "PensionAgeMale;61;d\n"
                                        "Unused;1;e\n"
                                        "FullInsuranceYearsMale;35;f\n",
                                        "parameters.csv");
    const std::array<std::string, 5> expected = {"15", "35", "30", "61", "60"};
    EXPECT_EQ(storedParameterTexts(parameters), expected);

    for (const char* bad : {"name;value;source\nMinInsuranceYears;1x;a\n",
                            "name;value;source\nMinInsuranceYears;15;a\nMinInsuranceYears;15;a\n",
                            "name;value;source\n"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(storedParameterTexts(parseCsv(bad, "parameters.csv")), RefdataError);
    }
}

} // namespace
} // namespace rv::refdata

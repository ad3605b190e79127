#include "store/reference_loading.h"

#include <gtest/gtest.h>

namespace rv {
namespace {

Table minimumWageTable() {
    return Table("cdsMinZP", {dateField("mz_date_begin"), dateField("mz_date_end"),
                              floatField("mz_value")});
}

std::string joinLines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

struct Row {
    Value begin, end, value;
    bool operator==(const Row&) const = default;
};

std::vector<Row> rowsOf(Table& table) {
    std::vector<Row> rows;
    for (table.first(); !table.eof(); table.next())
        rows.push_back({table.value(0), table.value(1), table.value(2)});
    return rows;
}

const std::vector<Row> kTwoRows = {
    {dateFromCivil(2000, 1, 1), dateFromCivil(2000, 12, 31), 100.0},
    {dateFromCivil(2001, 1, 1), Value{}, 123.45},
};

TEST(LoadReferenceTextTest, LinesAreFoundByNameInAnyOrder) {
    const std::vector<std::string> orders[] = {
        {"mz_date_begin1=01.01.2000", "mz_date_end1=31.12.2000", "mz_value1=100",
         "mz_date_begin2=01.01.2001", "mz_date_end2=", "mz_value2=123.45"},
        {"mz_value2=123.45", "mz_date_end2=", "MZ_DATE_BEGIN2=01.01.2001", "mz_value1=100",
         "mz_date_begin1=01.01.2000", "Mz_Date_End1=31.12.2000"},
    };
    for (const auto& lines : orders) {
        std::string text;
        for (const auto& line : lines)
            text += line + "\r\n";
        SCOPED_TRACE(text);
        Table table = minimumWageTable();
        table.create();
        EXPECT_TRUE(LoadReferenceText(table, text));
        EXPECT_EQ(rowsOf(table), kTwoRows);
    }
}

TEST(LoadReferenceTextTest, RejectedTexts) {
    Table table = minimumWageTable();
    table.create();
    EXPECT_TRUE(LoadReferenceText(table, joinLines({"mz_value1=1", "mz_date_begin1=", "x=1"})));
    ASSERT_EQ(table.recordCount(), 1);

    const std::string sevenLines =
        joinLines({"mz_date_begin1=01.01.2000", "mz_date_end1=31.12.2000", "mz_value1=100",
                   "mz_date_begin2=01.01.2001", "mz_date_end2=", "mz_value2=123.45", "x=1"});
    EXPECT_FALSE(LoadReferenceText(table, sevenLines));
    EXPECT_EQ(table.recordCount(), 0) << "the table is emptied and stays empty";

    EXPECT_FALSE(LoadReferenceText(table, joinLines({"mz_value1=1", "", "mz_date_begin1=1"})))
        << "an empty line counts as a line";

    Table noFields("none", {});
    noFields.create();
    EXPECT_FALSE(LoadReferenceText(noFields, ""));
}

TEST(LoadReferenceTextTest, EmptyTextGivesAnEmptyTable) {
    Table table = minimumWageTable();
    table.create();
    EXPECT_TRUE(LoadReferenceText(table, ""));
    EXPECT_EQ(table.recordCount(), 0);
}

TEST(LoadReferenceTextTest, AValueThatDoesNotConvertStopsTheLoadKeepingEarlierRows) {
    Table table = minimumWageTable();
    table.create();
    const std::string text =
        joinLines({"mz_date_begin1=01.01.2000", "mz_date_end1=31.12.2000", "mz_value1=100",
                   "mz_date_begin2=01.01.2001", "mz_date_end2=", "mz_value2=abc"});
    EXPECT_FALSE(LoadReferenceText(table, text));
    EXPECT_EQ(rowsOf(table), std::vector<Row>{kTwoRows[0]});
    EXPECT_EQ(table.state(), TableState::Browse) << "the half-filled row is dropped";

    EXPECT_FALSE(LoadReferenceText(table, joinLines({"mz_date_begin1=2000-01-01", "a=", "b="})));
}

TEST(LoadReferenceTextTest, FirstOfTwoEqualNamesCountsAndMissingRowsAreEmpty) {
    Table table = minimumWageTable();
    table.create();
    const std::string text = joinLines({"mz_value1=5", "mz_value1=6", "mz_value3=7", "a", "b",
                                        "c", "d", "e", "f"});
    EXPECT_TRUE(LoadReferenceText(table, text));
    const std::vector<Row> expected = {{{}, {}, 5.0}, {{}, {}, {}}, {{}, {}, 7.0}};
    EXPECT_EQ(rowsOf(table), expected);
}

TEST(LoadReferenceTextTest, CoefficientTextsHaveFourLinesARowAndTextTypes) {
    Table table("cdsKoeff", {dateField("k_date_begin"), dateField("k_date_end"),
                             floatField("k_value"), textField("k_type", 20)});
    table.create();
    EXPECT_TRUE(LoadReferenceText(table, joinLines({"k_date_begin1=01.01.2004", "k_date_end1=",
                                                    "k_value1=1.35", "k_type1=2"})));
    table.first();
    EXPECT_EQ(table.value("k_type"), Value{std::string("2")});
    EXPECT_EQ(table.value("k_value"), Value{1.35});
}

} // namespace
} // namespace rv

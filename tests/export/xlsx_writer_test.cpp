#include "export/xlsx_writer.h"

#include "xlsx_contents.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace rv {
namespace {

using testing_support::XlsxContents;

class XlsxWriterTest : public testing::Test {
protected:
    void SetUp() override {
        if (!testing_support::unzipInstalled())
            GTEST_SKIP() << "unzip is needed to look inside the workbook";
    }
    void TearDown() override { std::filesystem::remove(m_path); }

    const std::filesystem::path m_path =
        std::filesystem::temp_directory_path() /
        ("ravelta_xlsx_writer_test_" + std::to_string(::getpid()) + ".xlsx");
};

// A sheet with a heading, titles, a row of every kind of cell and totals, read back from the
// workbook's XML: where each cell lands, what it holds and in which format it shows.
TEST_F(XlsxWriterTest, WritesHeadingTitlesRowsAndTotalsWithFormatsAndWidths) {
    Sheet sheet;
    sheet.heading = "Шевчук, 10.05.1952 р. н. — заробітки; вивантажено 10.12.2026";
    sheet.titles = {"Рік", "Дата зарахування", "Заробіток, грн", "Примітка"};
    sheet.rows = {
        {2005, dateFromCivil(1985, 9, 1), SheetNumber{1234.5, "0.00"}, SheetCell{}},
        {2006, dateFromCivil(2004, 3, 15), SheetNumber{0.5, "0.00"}, std::string("текст")}};
    sheet.totals = {std::string("Разом"), SheetCell{}, SheetNumber{1235, "0.00###"}};
    saveXlsxFile(m_path, sheet);

    const XlsxContents book(m_path);
    ASSERT_FALSE(book.cells.empty());
    EXPECT_EQ(book.text("A1"), sheet.heading);
    EXPECT_EQ(book.text("A2"), "Рік");
    EXPECT_NE(book.cells.find("<c r=\"A3\"><v>2005</v></c>"), std::string::npos) << book.cells;
    EXPECT_EQ(book.cells.find("r=\"D3\""), std::string::npos) << "a blank cell is left out";
    EXPECT_EQ(book.text("D4"), "текст");
    EXPECT_EQ(book.numberFormat("B3", "31291"), "dd.mm.yyyy") << book.cells; // 01.09.1985
    EXPECT_EQ(book.numberFormat("B4", "38061"), "dd.mm.yyyy") << book.cells; // 15.03.2004
    EXPECT_EQ(book.numberFormat("C3", "1234.5"), "0.00") << book.cells;
    EXPECT_EQ(book.text("A5"), "Разом");
    EXPECT_EQ(book.numberFormat("C5", "1235"), "0.00###") << book.cells;

    // The widths of sheetColumnWidths, which the library stores with Excel's padding added.
    const std::vector<int> expected = sheetColumnWidths(sheet);
    const std::vector<double> widths = book.widths();
    ASSERT_EQ(widths.size(), expected.size()) << book.cells;
    for (std::size_t column = 0; column < widths.size(); ++column)
        EXPECT_NEAR(widths[column], expected[column], 1.0) << "column " << column;
}

TEST(XlsxWriter, AFailedSaveLeavesNoFileBehind) {
    Sheet sheet;
    sheet.titles = {"x"};
    const std::filesystem::path folder = "/nonexistent-ravelta-folder";
    EXPECT_THROW(saveXlsxFile(folder / "a.xlsx", sheet), std::filesystem::filesystem_error);
    EXPECT_FALSE(std::filesystem::exists(folder));
}

} // namespace
} // namespace rv

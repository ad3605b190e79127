#include "store/xlsx_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <unistd.h>
#include <vector>

namespace rv {
namespace {

// One member of the workbook's zip container, as text; empty when unzip is missing.
std::string member(const std::filesystem::path& file, const char* name) {
    const std::string command = "unzip -p '" + file.string() + "' " + name + " 2>/dev/null";
    std::string text;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return text;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    pclose(pipe);
    return text;
}

// The attribute values of every match of `pattern`'s first group, in order.
std::vector<std::string> matches(const std::string& text, const std::string& pattern) {
    std::vector<std::string> found;
    const std::regex expression(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), expression);
         it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1].str());
    return found;
}

// The number format code of a cell style index ("s" of a cell) in styles.xml.
std::string formatOfStyle(const std::string& styles, int style) {
    const auto cellXfs = styles.substr(styles.find("<cellXfs"));
    const std::vector<std::string> ids = matches(cellXfs, "<xf numFmtId=\"([0-9]+)\"");
    if (style < 0 || static_cast<std::size_t>(style) >= ids.size())
        return "no such style";
    const std::vector<std::string> codes =
        matches(styles, "<numFmt numFmtId=\"" + ids[static_cast<std::size_t>(style)] +
                            "\" formatCode=\"([^\"]*)\"");
    return codes.empty() ? "built-in " + ids[static_cast<std::size_t>(style)] : codes[0];
}

class XlsxWriterTest : public testing::Test {
protected:
    void SetUp() override {
        if (std::system("unzip -v >/dev/null 2>&1") != 0)
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
    sheet.rows = {{2005, dateFromCivil(1985, 9, 1), SheetNumber{1234.5, "0.00"}, SheetCell{}},
                  {2006, dateFromCivil(2004, 3, 15), SheetNumber{0.5, "0.00"},
                   std::string("текст")}};
    sheet.totals = {std::string("Разом"), SheetCell{}, SheetNumber{1235, "0.00###"}};
    saveXlsxFile(m_path, sheet);

    const std::string cells = member(m_path, "xl/worksheets/sheet1.xml");
    const std::string texts = member(m_path, "xl/sharedStrings.xml");
    const std::string styles = member(m_path, "xl/styles.xml");
    ASSERT_FALSE(cells.empty());
    // Shared strings are numbered in the order first written: the heading is the first.
    EXPECT_NE(cells.find("<c r=\"A1\" t=\"s\"><v>0</v></c>"), std::string::npos) << cells;
    EXPECT_NE(texts.find(sheet.heading), std::string::npos) << texts;
    EXPECT_NE(cells.find("<c r=\"A3\"><v>2005</v></c>"), std::string::npos) << cells;
    EXPECT_EQ(cells.find("r=\"D3\""), std::string::npos) << "a blank cell is left out";

    const auto styleOf = [&](const std::string& reference, const std::string& value) {
        const std::vector<std::string> found = matches(
            cells, "<c r=\"" + reference + "\" s=\"([0-9]+)\"><v>" + value + "</v></c>");
        return found.empty() ? std::string("no such cell") : formatOfStyle(styles, std::stoi(found[0]));
    };
    EXPECT_EQ(styleOf("B3", "31291"), "dd.mm.yyyy") << cells; // 01.09.1985
    EXPECT_EQ(styleOf("B4", "38061"), "dd.mm.yyyy") << cells; // 15.03.2004
    EXPECT_EQ(styleOf("C3", "1234.5"), "0.00") << cells;
    EXPECT_EQ(styleOf("C5", "1235"), "0.00###") << cells;
    EXPECT_NE(cells.find("<c r=\"A5\" t=\"s\">"), std::string::npos) << "the totals' label";

    // The widths of sheetColumnWidths, which the library stores with Excel's padding added.
    const std::vector<int> expected = sheetColumnWidths(sheet);
    const std::vector<std::string> widths = matches(cells, "<col [^>]*width=\"([0-9.]+)\"");
    ASSERT_EQ(widths.size(), expected.size()) << cells;
    for (std::size_t column = 0; column < widths.size(); ++column)
        EXPECT_NEAR(std::stod(widths[column]), expected[column], 1.0) << "column " << column;
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

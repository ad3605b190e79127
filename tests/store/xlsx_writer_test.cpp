#include "store/xlsx_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

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

TEST(XlsxWriterTest, WritesTextsNumbersAndBlanksRowByRow) {
    if (std::system("unzip -v >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "unzip is needed to look inside the workbook";
    XlsxWriter sheet;
    sheet.label("Рік");
    sheet.label("Заробіток, грн");
    sheet.endRow();
    sheet.integer(2005);
    sheet.number(1234.56);
    sheet.endRow();
    sheet.blank();
    sheet.number(0.5);
    const auto path = std::filesystem::temp_directory_path() / "ravelta_xlsx_writer_test.xlsx";
    sheet.save(path);

    const std::string cells = member(path, "xl/worksheets/sheet1.xml");
    const std::string texts = member(path, "xl/sharedStrings.xml");
    std::filesystem::remove(path);
    EXPECT_NE(texts.find("Рік"), std::string::npos) << texts;
    EXPECT_NE(texts.find("Заробіток, грн"), std::string::npos) << texts;
    EXPECT_NE(cells.find("<c r=\"A2\"><v>2005</v></c>"), std::string::npos) << cells;
    EXPECT_NE(cells.find("<c r=\"B2\"><v>1234.56</v></c>"), std::string::npos) << cells;
    EXPECT_NE(cells.find("<c r=\"B3\"><v>0.5</v></c>"), std::string::npos) << cells;
    EXPECT_EQ(cells.find("r=\"A3\""), std::string::npos) << "a blank cell is left out";
}

TEST(XlsxWriterTest, AFailedSaveLeavesNoFileBehind) {
    XlsxWriter sheet;
    sheet.label("x");
    const std::filesystem::path folder = "/nonexistent-ravelta-folder";
    EXPECT_THROW(sheet.save(folder / "a.xlsx"), std::filesystem::filesystem_error);
    EXPECT_FALSE(std::filesystem::exists(folder));
}

} // namespace
} // namespace rv

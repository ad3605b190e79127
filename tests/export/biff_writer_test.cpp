#include "file_bytes.h"
#include "engine/atomic_file.h"
#include "export/biff_writer.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <unistd.h>
#include <vector>

namespace rv {
namespace {

namespace fs = std::filesystem;

std::string hexBytes(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (!hex.empty())
            hex += ' ';
        hex += kDigits[value >> 4];
        hex += kDigits[value & 0x0F];
    }
    return hex;
}

using testing_support::readBytes;

struct Record {
    std::uint16_t type = 0;
    std::string data;
};

std::uint32_t littleEndian(std::string_view bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return value;
}

// Splits a stream into its records; the test fails on a record that runs past the end.
std::vector<Record> records(std::string_view stream) {
    std::vector<Record> out;
    while (!stream.empty()) {
        EXPECT_GE(stream.size(), 4u);
        if (stream.size() < 4)
            break;
        const auto length = littleEndian(stream.substr(2, 2));
        EXPECT_LE(4 + length, stream.size()) << "record runs past the end";
        out.push_back({static_cast<std::uint16_t>(littleEndian(stream.substr(0, 2))),
                       std::string(stream.substr(4, length))});
        stream.remove_prefix(std::min<std::size_t>(stream.size(), 4 + length));
    }
    return out;
}

bool isCell(std::uint16_t type) {
    return type == 0x0204 || type == 0x0203 || type == 0x027E || type == 0x0201;
}

// The records of the cells only: the records before them and EOF cut away.
std::vector<Record> cellRecords(BiffWriter& writer) {
    std::vector<Record> cells;
    for (Record& each : records(writer.finish()))
        if (isCell(each.type))
            cells.push_back(std::move(each));
    return cells;
}

std::string recordBytes(BiffWriter& writer) {
    std::string bytes;
    for (const Record& cell : cellRecords(writer)) {
        bytes += static_cast<char>(cell.type & 0xFF);
        bytes += static_cast<char>(cell.type >> 8);
        bytes += static_cast<char>(cell.data.size() & 0xFF);
        bytes += static_cast<char>(cell.data.size() >> 8);
        bytes += cell.data;
    }
    return bytes;
}

std::string repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

// The records that open every sheet, as the Excel 4.0 worksheet layout has them.
TEST(BiffWriter, EmptySheetCarriesItsFontFormatsAndStyles) {
    BiffWriter writer;
    const std::string generalCell = "43 04 0C 00 00 00 01 00 20 FC 00 CE 00 00 00 00 ";
    EXPECT_EQ(hexBytes(writer.finish()),
              "09 04 06 00 00 00 10 00 00 00 "                     // BOF, BIFF4 worksheet
              "42 00 02 00 E3 04 "                                 // CODEPAGE 1251
              "31 02 0C 00 C8 00 00 00 FF 7F 05 41 72 69 61 6C "   // FONT Arial 10 pt
              "1E 04 0A 00 00 00 07 47 65 6E 65 72 61 6C "         // FORMAT 0 "General"
              "43 04 0C 00 00 00 F5 FF 20 00 00 CE 00 00 00 00 " + // XF 0: the style "Normal"
                  repeated(generalCell, 15) +                      // XFs 1-15: general cells
                  "93 02 04 00 00 80 00 FF "                       // STYLE "Normal" is XF 0
                  "00 02 0A 00 00 00 00 00 00 00 00 00 00 00 "     // DIMENSIONS: no cell
                  "0A 00 00 00");                                  // EOF
}

// Each format after "General" gets its FORMAT record and a cell XF naming it; each width a
// COLINFO in 1/256 of a character, with the general cell's XF.
TEST(BiffWriter, FormatsAndWidthsPrecedeTheCells) {
    BiffWriter writer({"0.00", "dd.mm.yyyy"}, {10, 25});
    writer.number(1.5, "dd.mm.yyyy");
    const std::vector<Record> all = records(writer.finish());
    std::vector<std::string> formats;
    std::vector<int> xfFormats;
    std::vector<std::string> columns;
    for (const Record& each : all) {
        if (each.type == 0x041E)
            formats.push_back(each.data.substr(3));
        if (each.type == 0x0443)
            xfFormats.push_back(static_cast<unsigned char>(each.data[1]));
        if (each.type == 0x007D)
            columns.push_back(hexBytes(each.data));
    }
    EXPECT_EQ(formats, (std::vector<std::string>{"General", "0.00", "dd.mm.yyyy"}));
    // The style, the general cells, then one cell XF for each format.
    std::vector<int> expectedFormats(16, 0);
    expectedFormats.insert(expectedFormats.end(), {1, 2});
    EXPECT_EQ(xfFormats, expectedFormats);
    EXPECT_EQ(columns, (std::vector<std::string>{"00 00 00 00 00 0A 0F 00 00 00 00 00",
                                                 "01 00 01 00 00 19 0F 00 00 00 00 00"}));
    ASSERT_TRUE(isCell(all[all.size() - 2].type));
    EXPECT_EQ(littleEndian(all[all.size() - 2].data.substr(4, 2)), 17u) << "the date's XF";
    ASSERT_EQ(all[all.size() - 3].type, 0x0200);
    EXPECT_EQ(hexBytes(all[all.size() - 3].data), "00 00 01 00 00 00 01 00 00 00")
        << "DIMENSIONS: one row, one column";
    EXPECT_THROW(writer.number(1, "0.000"), std::invalid_argument);
}

TEST(BiffWriter, CellRecordsByteForByte) {
    struct Case {
        const char* name;
        void (*write)(BiffWriter&);
        const char* expected;
    };
    const Case cases[] = {
        {"RK 2004 at row 0, column 0", [](BiffWriter& w) { w.integer(2004); },
         "7E 02 0A 00 00 00 00 00 0F 00 52 1F 00 00"},
        {"RK 0", [](BiffWriter& w) { w.integer(0); }, "7E 02 0A 00 00 00 00 00 0F 00 02 00 00 00"},
        {"RK -1", [](BiffWriter& w) { w.integer(-1); },
         "7E 02 0A 00 00 00 00 00 0F 00 FE FF FF FF"},
        {"RK largest 30-bit", [](BiffWriter& w) { w.integer((1 << 29) - 1); },
         "7E 02 0A 00 00 00 00 00 0F 00 FE FF FF 7F"},
        {"RK smallest 30-bit", [](BiffWriter& w) { w.integer(-(1 << 29)); },
         "7E 02 0A 00 00 00 00 00 0F 00 02 00 00 80"},
        {"integer past 30 bits becomes NUMBER", [](BiffWriter& w) { w.integer(1 << 29); },
         "03 02 0E 00 00 00 00 00 0F 00 00 00 00 00 00 00 C0 41"},
        {"BLANK in the general cell XF", [](BiffWriter& w) { w.blank(); },
         "01 02 06 00 00 00 00 00 0F 00"},
        {"LABEL of an empty text", [](BiffWriter& w) { w.label(""); },
         "04 02 08 00 00 00 00 00 0F 00 00 00"},
        {"LABEL in code page 1251", [](BiffWriter& w) { w.label("Рік"); },
         "04 02 0B 00 00 00 00 00 0F 00 03 00 D0 B3 EA"},
        {"NUMBER 1234.5", [](BiffWriter& w) { w.number(1234.5); },
         "03 02 0E 00 00 00 00 00 0F 00 00 00 00 00 00 4A 93 40"},
        {"cell at row 1, column 2",
         [](BiffWriter& w) {
             w.blank();
             w.endRow();
             w.blank();
             w.blank();
             w.integer(2004);
         },
         "01 02 06 00 00 00 00 00 0F 00 01 02 06 00 01 00 00 00 0F 00 01 02 06 00 01 00 01 00 0F "
         "00 7E 02 0A 00 01 00 02 00 0F 00 52 1F 00 00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BiffWriter writer;
        c.write(writer);
        EXPECT_EQ(hexBytes(recordBytes(writer)), c.expected);
    }
}

TEST(BiffWriter, NumbersKeepEveryBit) {
    const double values[] = {0.0,
                             -0.0,
                             0.1,
                             1.0 / 3.0,
                             589.62,
                             -1e300,
                             std::numeric_limits<double>::denorm_min(),
                             2147483648.0};
    BiffWriter writer;
    for (const double value : values)
        writer.number(value);
    const std::vector<Record> cells = cellRecords(writer);
    ASSERT_EQ(cells.size(), std::size(values));
    for (std::size_t i = 0; i < cells.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "value " << values[i]);
        ASSERT_EQ(cells[i].data.size(), 14u);
        const std::uint64_t bits = littleEndian(cells[i].data.substr(6, 4)) |
                                   std::uint64_t{littleEndian(cells[i].data.substr(10, 4))} << 32;
        EXPECT_EQ(bits, std::bit_cast<std::uint64_t>(values[i]));
        EXPECT_EQ(littleEndian(cells[i].data.substr(2, 2)), i) << "column";
    }
}

// A LABEL's record length is 8 + n in 16 bits: longer texts are cut to what it holds.
TEST(BiffWriter, LongLabelsAreCutToWhatTheRecordLengthHolds) {
    struct Case {
        std::size_t characters;
        std::size_t expectedBytes;
    };
    const Case cases[] = {{255, 255}, {256, 256}, {65527, 65527}, {65528, 65527}, {70000, 65527}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.characters << " characters");
        BiffWriter writer;
        std::string text;
        for (std::size_t i = 0; i < c.characters; ++i)
            text += "ї"; // two bytes in UTF-8, one in 1251
        writer.label(text);
        writer.integer(7);
        const std::vector<Record> cells = cellRecords(writer);
        ASSERT_EQ(cells.size(), 2u);
        EXPECT_EQ(cells[0].data.size(), 8 + c.expectedBytes);
        EXPECT_EQ(littleEndian(cells[0].data.substr(6, 2)), c.expectedBytes);
        EXPECT_EQ(cells[0].data.substr(8), std::string(c.expectedBytes, '\xBF'));
        EXPECT_EQ(cells[1].type, 0x027E) << "the next record follows intact";
    }
}

TEST(BiffWriter, CellsPastRow65535AreRefused) {
    BiffWriter writer;
    for (int row = 0; row < 65535; ++row)
        writer.endRow();
    EXPECT_NO_THROW(writer.integer(1)); // row 65535, the last one
    writer.endRow();
    EXPECT_THROW(writer.integer(1), std::length_error);
}

// A date is its serial day in the date format's cell XF: 01.09.1985 is day 31291.
TEST(BiffWriter, DatesAreSerialDaysInTheDateFormat) {
    BiffWriter writer({"0.00", kSheetDateFormat});
    writer.date(dateFromCivil(1985, 9, 1));
    EXPECT_EQ(hexBytes(recordBytes(writer)),
              "03 02 0E 00 00 00 00 00 11 00 00 00 00 00 C0 8E DE 40");
}

Sheet twoPeriodExperience() {
    Sheet sheet;
    sheet.heading = "Петренко, 15.03.1950 р. н. — трудовий стаж; вивантажено ДД.ММ.РРРР";
    sheet.titles = {"Дата зарахування", "Дата звільнення", "Трудовий стаж (р/м/д) *"};
    sheet.rows = {{dateFromCivil(1985, 9, 1), dateFromCivil(1990, 8, 31), std::string("5/0/0")},
                  {dateFromCivil(1990, 10, 1), dateFromCivil(2004, 3, 15), std::string("13/5/15")}};
    sheet.totals = {std::string("Разом"), SheetCell{}, std::string("18/5/15")};
    return sheet;
}

TEST(BiffWriter, TwoPeriodExperienceSheetMatchesTheGoldenFile) {
    const std::string golden = readBytes(fs::path(RV_TEST_DATA_DIR) / "experience_two_periods.xls");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(hexBytes(biffStream(twoPeriodExperience())), hexBytes(golden));
}

TEST(BiffWriter, SavingReplacesTheFileOnlyWhenComplete) {
    const fs::path folder =
        fs::temp_directory_path() / ("ravelta_biff_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path target = folder / "sheet.xls";
    { std::ofstream(target, std::ios::binary) << "earlier"; }

    const Sheet sheet = twoPeriodExperience();
    saveBiffFile(target, sheet);
    EXPECT_EQ(readBytes(target), biffStream(sheet));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
        << "a temporary file is left";

    fs::create_directory(folder / "folder.xls");
    EXPECT_THROW(saveBiffFile(folder / "folder.xls", sheet), fs::filesystem_error);
    EXPECT_TRUE(fs::is_directory(folder / "folder.xls"));
    EXPECT_THROW(saveBiffFile(folder / "missing folder" / "sheet.xls", sheet),
                 fs::filesystem_error);
    fs::remove_all(folder);
}

} // namespace
} // namespace rv

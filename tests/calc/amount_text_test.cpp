#include "calc/amount_text.h"

#include <gtest/gtest.h>

#include <string>

namespace rv {
namespace {

struct AmountCase {
    const char* name;
    const char* text;
    double amount;
    const char* refusalPart; // nullptr: the text reads; otherwise a part of the refusal
};

TEST(AmountTextTest, ReadsWhatUkrainiansTypeAndCopy) {
    const std::string tooLarge(400, '9');
    const AmountCase cases[] = {
        {"whole", "2500", 2500, nullptr},
        {"decimal comma", "2500,75", 2500.75, nullptr},
        {"decimal point", "2500.75", 2500.75, nullptr},
        {"blank groups", "2 500,75", 2500.75, nullptr},
        {"no-break space groups",
         "1\xC2\xA0"
         "234\xC2\xA0"
         "567,5",
         1234567.5, nullptr},
        {"narrow no-break space groups",
         "12\xE2\x80\xAF"
         "000",
         12000, nullptr},
        {"blanks around", "  350 ", 350, nullptr},
        {"empty means no earning", "", 0, nullptr},
        {"blank means no earning", "   ", 0, nullptr},
        {"leading separator", ",5", 0.5, nullptr},
        {"trailing separator", "5,", 5, nullptr},
        {"karbovanets-sized", "0,00001", 0.00001, nullptr},
        {"letters", "350 грн", 0, "не сума"},
        {"two separators", "2.500,75", 0, "більше однієї коми"},
        {"two columns", "350\t400", 0, "кілька значень"},
        {"negative", "-350", 0, "від'ємним"},
        {"separator alone", ",", 0, "не сума"},
        {"too large", tooLarge.c_str(), 0, "завелике"},
    };
    for (const AmountCase& c : cases) {
        SCOPED_TRACE(c.name);
        const AmountReading reading = readAmount(c.text);
        if (!c.refusalPart) {
            EXPECT_EQ(reading.refusal, "") << c.text;
            EXPECT_DOUBLE_EQ(reading.amount, c.amount) << c.text;
        } else {
            EXPECT_NE(reading.refusal.find(c.refusalPart), std::string::npos) << reading.refusal;
            EXPECT_EQ(reading.refusal.rfind("«", 0), 0u) << reading.refusal;
        }
    }
}

TEST(AmountTextTest, ColumnReadsEveryLineOrNamesTheFirstBadOne) {
    struct ColumnCase {
        const char* name;
        const char* text;
        std::vector<double> amounts;
        int refusedLine;
    };
    const ColumnCase cases[] = {
        {"one line", "350", {350}, 0},
        {"lines from a spreadsheet", "350\r\n400,5\r\n", {350, 400.5}, 0},
        {"empty line is no earning", "1 000\n\n2 000", {1000, 0, 2000}, 0},
        {"only the final line break ends a line", "1\n\n", {1, 0}, 0},
        {"bad third line", "1\n2\nтри\n4", {}, 3},
        {"bad first line", "x", {}, 1},
    };
    for (const ColumnCase& c : cases) {
        SCOPED_TRACE(c.name);
        const AmountColumn column = readAmountColumn(c.text);
        EXPECT_EQ(column.refusedLine, c.refusedLine);
        EXPECT_EQ(column.amounts, c.amounts);
        EXPECT_EQ(column.refusal.empty(), c.refusedLine == 0);
    }
}

} // namespace
} // namespace rv

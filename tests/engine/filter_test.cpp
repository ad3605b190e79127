#include "engine/filter.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace rv {
namespace {

using Row = std::vector<Value>;

const Value null;
Value integer(std::int32_t value) {
    return value;
}
Value real(double value) {
    return value;
}
Value text(const char* value) {
    return std::string(value);
}
Value day(int year, int month, int dayOfMonth) {
    return dateFromCivil(year, month, dayOfMonth);
}

std::string show(const Row& row) {
    std::ostringstream out;
    out << '{';
    for (const Value& value : row) {
        if (&value != &row.front())
            out << ", ";
        if (isEmpty(value))
            out << "null";
        else if (const auto* number = std::get_if<std::int32_t>(&value))
            out << *number;
        else if (const auto* fraction = std::get_if<double>(&value))
            out << *fraction;
        else if (const auto* string = std::get_if<std::string>(&value))
            out << '"' << *string << '"';
        else
            out << formatDate(std::get<Date>(value));
    }
    out << '}';
    return out.str();
}

struct RowCase {
    Row row;
    bool expected;
};

struct ExpressionCase {
    std::string name;
    std::string expression;
    std::vector<FilterField> fields;
    std::vector<RowCase> rows;
};

void expectRows(const ExpressionCase& c) {
    SCOPED_TRACE(c.name + ": \"" + c.expression + "\"");
    FilterExpression filter;
    ASSERT_NO_THROW(filter = FilterExpression::parse(c.expression, c.fields));
    ASSERT_FALSE(filter.isEmpty());
    for (const RowCase& rowCase : c.rows)
        EXPECT_EQ(filter.matches(rowCase.row), rowCase.expected) << "row " << show(rowCase.row);
}

// The stored fields of the program's tables that its filters name, in a declared order.
const std::vector<FilterField> kExpFields = {{"exp_id", FieldType::Integer},
                                             {"exp_person_id", FieldType::Integer},
                                             {"exp_date_begin", FieldType::Date}};
const std::vector<FilterField> kEarningFields = {
    {"earning_id", FieldType::Integer},    {"earning_person_id", FieldType::Integer},
    {"earning_year", FieldType::Integer},  {"earning_month", FieldType::Integer},
    {"earning_payment", FieldType::Float}, {"earning_opt1", FieldType::Text}};
const std::vector<FilterField> kKoeffFields = {{"k_date_begin", FieldType::Date},
                                               {"k_date_end", FieldType::Date},
                                               {"k_value", FieldType::Float},
                                               {"k_type", FieldType::Text}};
const std::vector<FilterField> kMinPensFields = {{"mp_date_begin", FieldType::Date},
                                                 {"mp_date_end", FieldType::Date},
                                                 {"mp_value", FieldType::Float}};
const std::vector<FilterField> kMaxIncomeFields = {{"mi_date_begin", FieldType::Date},
                                                   {"mi_date_end", FieldType::Date},
                                                   {"mi_value", FieldType::Float}};

// A ledger row; month is 0-based.
Row earning(Value person, Value year, Value month, Value payment = null, Value opt1 = null) {
    return {
        null,           std::move(person), std::move(year), std::move(month), std::move(payment),
        std::move(opt1)};
}

Row period(Value person) {
    return {integer(1), std::move(person), day(2001, 2, 3)};
}

Row koeff(Value type, Value end) {
    return {day(2004, 1, 1), std::move(end), real(1.5), type};
}

Row dated(Value begin, Value end) {
    return {std::move(begin), std::move(end), real(100)};
}

TEST(FilterProgramExpressionsTest, EachExpressionTellsMatchingRowsFromOthers) {
    const std::vector<ExpressionCase> cases = {
        {"periods of one person",
         "exp_person_id=7",
         kExpFields,
         {{period(integer(7)), true},
          {period(integer(8)), false},
          {period(integer(70)), false},
          {period(null), false}}},
        {"ledger of one person",
         "earning_person_id=7",
         kEarningFields,
         {{earning(integer(7), integer(2001), integer(0)), true},
          {earning(integer(8), integer(2001), integer(0)), false},
          {earning(null, integer(2001), integer(0)), false}}},
        {"paid months of one person",
         "earning_person_id=7 and earning_payment <> 0",
         kEarningFields,
         {{earning(integer(7), integer(2001), integer(0), real(1500.5)), true},
          {earning(integer(7), integer(2001), integer(0), real(0)), false},
          {earning(integer(7), integer(2001), integer(0), null), false},
          {earning(integer(8), integer(2001), integer(0), real(1500.5)), false}}},
        {"months before July 2000",
         "((earning_year < 2000) or ((earning_year = 2000) and (earning_month < 6))) and "
         "earning_person_id = 7",
         kEarningFields,
         {{earning(integer(7), integer(1999), integer(11)), true},
          {earning(integer(7), integer(2000), integer(5)), true},
          {earning(integer(7), integer(2000), integer(6)), false},
          {earning(integer(7), integer(2001), integer(0)), false},
          {earning(integer(8), integer(1999), integer(0)), false},
          {earning(integer(7), null, integer(0)), false}}},
        {"months from July 2000 that count",
         "((earning_year > 2003 and earning_payment > 0) or (earning_year > 2000 and earning_year "
         "< 2004) or(earning_year = 2000 and earning_month >= 6)) and earning_person_id = 7",
         kEarningFields,
         {{earning(integer(7), integer(2004), integer(0), real(100)), true},
          {earning(integer(7), integer(2004), integer(0), real(0)), false},
          {earning(integer(7), integer(2004), integer(0), null), false},
          {earning(integer(7), integer(2003), integer(11), null), true},
          {earning(integer(7), integer(2001), integer(0), null), true},
          {earning(integer(7), integer(2000), integer(6), null), true},
          {earning(integer(7), integer(2000), integer(5), real(100)), false},
          {earning(integer(8), integer(2002), integer(0), real(100)), false}}},
        {"ledger of one person, spaced",
         "earning_person_id = 7",
         kEarningFields,
         {{earning(integer(7), integer(2001), integer(0)), true},
          {earning(integer(8), integer(2001), integer(0)), false}}},
        {"one year of the ledger",
         "earning_year = 2000",
         kEarningFields,
         {{earning(integer(7), integer(2000), integer(3)), true},
          {earning(integer(7), integer(2001), integer(3)), false},
          {earning(integer(7), null, integer(3)), false}}},
        {"exported months",
         "earning_payment > 0 or earning_opt1 = '+'",
         kEarningFields,
         {{earning(integer(7), integer(2000), integer(0), real(10), null), true},
          {earning(integer(7), integer(2000), integer(0), real(0), text("+")), true},
          {earning(integer(7), integer(2000), integer(0), null, text("+")), true},
          {earning(integer(7), integer(2000), integer(0), real(0), null), false},
          {earning(integer(7), integer(2000), integer(0), null, null), false}}},
        {"current coefficient of a type",
         "k_type=1 and k_date_end is null",
         kKoeffFields,
         {{koeff(text("1"), null), true},
          {koeff(text("1"), day(2005, 1, 1)), false},
          {koeff(text("2"), null), false},
          {koeff(text("10"), null), false},
          {koeff(null, null), false}}},
        {"minimum pension in force on 15.03.2005",
         "('15.03.2005' >= mp_date_begin and '15.03.2005'<= mp_date_end) or ('15.03.2005' >= "
         "mp_date_begin and mp_date_end is null)",
         kMinPensFields,
         {{dated(day(2005, 1, 1), day(2005, 3, 31)), true},
          {dated(day(2005, 3, 15), day(2005, 3, 15)), true},
          {dated(day(2004, 1, 1), day(2004, 12, 31)), false},
          {dated(day(2005, 1, 1), null), true},
          {dated(day(2005, 4, 1), null), false}}},
        {"maximum income in force on 01.01.2005",
         "('01.01.2005' >= mi_date_begin and '01.01.2005' <= mi_date_end) or ('01.01.2005' >= "
         "mi_date_begin and mi_date_end is null)",
         kMaxIncomeFields,
         {{dated(day(2004, 7, 1), day(2005, 1, 1)), true},
          {dated(day(2004, 7, 1), day(2004, 12, 31)), false},
          {dated(day(2005, 1, 2), null), false},
          {dated(day(2005, 1, 1), null), true},
          {dated(null, null), false}}},
    };
    for (const auto& c : cases)
        expectRows(c);
}

TEST(FilterProgramExpressionsTest, YearFilterKeepsTenMonthsOf2000FromMarch2000ToDecember2001) {
    const auto filter = FilterExpression::parse("earning_year = 2000", kEarningFields);
    int count = 0;
    for (int year = 2000; year <= 2001; ++year)
        for (int month = year == 2000 ? 2 : 0; month < 12; ++month)
            count += filter.matches(earning(integer(7), integer(year), integer(month))) ? 1 : 0;
    EXPECT_EQ(count, 10);
}

// The date test of the lookups: a row matches when D lies between its begin and end dates, both
// days included, or on or after its begin date when the end is empty.
TEST(FilterDateTest, RangeIncludesBothEndsAndAnEmptyEndStaysOpen) {
    const Row closed = dated(day(2005, 4, 1), day(2005, 6, 30));
    const Row open = dated(day(2005, 4, 1), null);
    struct Case {
        const char* name;
        Value d;
        bool closedMatches;
        bool openMatches;
    };
    const Case cases[] = {
        {"day before begin", day(2005, 3, 31), false, false},
        {"begin", day(2005, 4, 1), true, true},
        {"inside", day(2005, 5, 15), true, true},
        {"end", day(2005, 6, 30), true, true},
        {"day after end", day(2005, 7, 1), false, true},
        {"years later", day(2030, 1, 1), false, true},
    };
    for (const auto& c : cases) {
        const std::string d = formatDate(std::get<Date>(c.d));
        const std::string expression = "('" + d + "' >= mi_date_begin and '" + d +
                                       "' <= mi_date_end) or ('" + d +
                                       "' >= mi_date_begin and mi_date_end is null)";
        SCOPED_TRACE(std::string(c.name) + ": \"" + expression + "\"");
        const auto filter = FilterExpression::parse(expression, kMaxIncomeFields);
        EXPECT_EQ(filter.matches(closed), c.closedMatches) << "row " << show(closed);
        EXPECT_EQ(filter.matches(open), c.openMatches) << "row " << show(open);
    }
}

// n, m: integer; x: float; s: text; d, e: date.
const std::vector<FilterField> kSampleFields = {
    {"n", FieldType::Integer}, {"m", FieldType::Integer}, {"x", FieldType::Float},
    {"s", FieldType::Text},    {"d", FieldType::Date},    {"e", FieldType::Date}};

Row sample(Value n, Value m = null, Value x = null, Value s = null, Value d = null,
           Value e = null) {
    return {std::move(n), std::move(m), std::move(x), std::move(s), std::move(d), std::move(e)};
}

Row nm(std::int32_t n, std::int32_t m) {
    return sample(integer(n), integer(m));
}
Row withN(Value n) {
    return sample(std::move(n));
}
Row withX(Value x) {
    return sample(null, null, std::move(x));
}
Row withS(Value s) {
    return sample(null, null, null, std::move(s));
}
Row withDates(Value d, Value e) {
    return sample(null, null, null, null, std::move(d), std::move(e));
}

TEST(FilterSemanticsTest, EdgeCases) {
    const auto& fields = kSampleFields;
    const std::vector<ExpressionCase> cases = {
        {"and binds tighter than a preceding or",
         "n = 1 or n = 2 and m = 3",
         fields,
         {{nm(1, 0), true}, {nm(2, 3), true}, {nm(2, 0), false}}},
        {"and binds tighter than a following or",
         "n = 1 and m = 2 or m = 3",
         fields,
         {{nm(0, 3), true}, {nm(1, 2), true}, {nm(0, 2), false}}},
        {"parentheses override precedence",
         "(n = 1 or n = 2) and m = 3",
         fields,
         {{nm(1, 0), false}, {nm(1, 3), true}, {nm(3, 3), false}}},
        {"nested parentheses",
         "((((n = 1)))) and (m = 2 or (m = 3 and (((n <> 0)))))",
         fields,
         {{nm(1, 2), true}, {nm(1, 3), true}, {nm(1, 4), false}, {nm(2, 2), false}}},
        {"no spaces anywhere",
         "(n=1)or(m>=3)and(m<>4)",
         fields,
         {{nm(1, 4), true}, {nm(0, 3), true}, {nm(0, 4), false}}},
        {"no space before a quote and after a keyword",
         "s='a'or(n=1)",
         fields,
         {{sample(null, null, null, text("a")), true},
          {sample(integer(1), null, null, text("b")), true},
          {sample(integer(2), null, null, text("b")), false}}},
        {"= on integers",
         "n = 2",
         fields,
         {{withN(integer(1)), false}, {withN(integer(2)), true}, {withN(integer(3)), false}}},
        {"<> on integers",
         "n <> 2",
         fields,
         {{withN(integer(1)), true}, {withN(integer(2)), false}, {withN(integer(3)), true}}},
        {"< on integers",
         "n < 2",
         fields,
         {{withN(integer(1)), true}, {withN(integer(2)), false}, {withN(integer(3)), false}}},
        {"<= on integers",
         "n <= 2",
         fields,
         {{withN(integer(1)), true}, {withN(integer(2)), true}, {withN(integer(3)), false}}},
        {"> on integers",
         "n > 2",
         fields,
         {{withN(integer(1)), false}, {withN(integer(2)), false}, {withN(integer(3)), true}}},
        {">= on integers",
         "n >= 2",
         fields,
         {{withN(integer(1)), false}, {withN(integer(2)), true}, {withN(integer(3)), true}}},
        {"constant first with <",
         "2 < n",
         fields,
         {{withN(integer(1)), false}, {withN(integer(2)), false}, {withN(integer(3)), true}}},
        {"constant first with >=",
         "2 >= n",
         fields,
         {{withN(integer(1)), true}, {withN(integer(2)), true}, {withN(integer(3)), false}}},
        {"constant first with <>",
         "2<>n",
         fields,
         {{withN(integer(1)), true}, {withN(integer(2)), false}}},
        {"negative constant",
         "n=-1",
         fields,
         {{withN(integer(-1)), true}, {withN(integer(1)), false}}},
        {"negative bound",
         "n > -5",
         fields,
         {{withN(integer(-4)), true}, {withN(integer(-5)), false}}},
        {"empty field fails = and <> alike",
         "n = 5 or n <> 5 or 5 <> n",
         fields,
         {{withN(null), false}, {withN(integer(4)), true}}},
        {"integer against a float field",
         "x > 0 and x <> 2",
         fields,
         {{withX(real(0.5)), true},
          {withX(real(0)), false},
          {withX(real(-0.5)), false},
          {withX(real(2)), false}}},
        {"integer beyond 32 bits against a float field",
         "x < 10000000000",
         fields,
         {{withX(real(9999999999.0)), true}, {withX(real(1e10)), false}}},
        {"integer against a text field spells it in decimal",
         "s = 1",
         fields,
         {{withS(text("1")), true},
          {withS(text("01")), false},
          {withS(text("10")), false},
          {withS(text(" 1")), false}}},
        {"negative integer against a text field",
         "s = -3",
         fields,
         {{withS(text("-3")), true}, {withS(text("3")), false}}},
        {"texts compare byte-wise",
         "s < 'b'",
         fields,
         {{withS(text("a")), true},
          {withS(text("B")), true},
          {withS(text("")), true},
          {withS(text("b")), false},
          {withS(text("ba")), false},
          {withS(text("ї")), false}}},
        {"Cyrillic text equality",
         "s = 'Жінка'",
         fields,
         {{withS(text("Жінка")), true}, {withS(text("Чоловік")), false}}},
        {"quoted date in short form",
         "d = '1.2.2003'",
         fields,
         {{withDates(day(2003, 2, 1), null), true}, {withDates(day(2003, 1, 2), null), false}}},
        {"date field against date field",
         "d <= e",
         fields,
         {{withDates(day(2003, 2, 1), day(2003, 2, 1)), true},
          {withDates(day(2003, 2, 2), day(2003, 2, 1)), false},
          {withDates(day(2003, 2, 1), null), false}}},
        {"integer field against integer field",
         "n = m",
         fields,
         {{nm(4, 4), true}, {nm(4, 5), false}, {sample(null, null), false}}},
        {"is null",
         "s is null",
         fields,
         {{withS(null), true}, {withS(text("")), false}, {withS(text("+")), false}}},
        {"is null of a date",
         "e is null and d is null",
         fields,
         {{withDates(null, null), true}, {withDates(day(2003, 2, 1), null), false}}},
    };
    for (const auto& c : cases)
        expectRows(c);
}

TEST(FilterExpressionTest, EmptyAndBlankTextsMatchEveryRow) {
    const Row row = nm(1, 2);
    const FilterExpression unset;
    EXPECT_TRUE(unset.isEmpty());
    EXPECT_TRUE(unset.matches(row));
    EXPECT_EQ(unset.text(), "");
    for (const char* blank : {"", "   ", " \t\r\n"}) {
        const auto filter = FilterExpression::parse(blank, kSampleFields);
        EXPECT_TRUE(filter.isEmpty()) << '"' << blank << '"';
        EXPECT_TRUE(filter.matches(row)) << '"' << blank << '"';
        EXPECT_EQ(filter.text(), blank);
    }
    const auto filter = FilterExpression::parse(" n = 2 ", kSampleFields);
    EXPECT_FALSE(filter.isEmpty());
    EXPECT_EQ(filter.text(), " n = 2 ");
}

std::string nested(int depth) {
    return std::string(depth, '(') + "n = 1" + std::string(depth, ')');
}

TEST(FilterErrorTest, MalformedTextsNameThePositionAndWhatWasExpected) {
    struct Case {
        const char* name;
        std::string text;
        std::size_t position;
        const char* messagePart;
    };
    const Case cases[] = {
        {"unknown field", "nn = 1", 0, "unknown field 'nn'"},
        {"unknown field after and", "n = 1 and zz = 2", 10, "unknown field 'zz'"},
        {"upper-case field", "N = 1", 0, "unexpected character"},
        {"upper-case keyword", "n = 1 AND m = 2", 6, "unexpected character"},
        {"unterminated quote", "s = 'abc", 4, "not closed"},
        {"missing right operand", "n = ", 4, "expected a field name, an integer or a quoted text"},
        {"keyword as operand", "n = and m = 1", 4, "found 'and'"},
        {"missing left operand", "= 1", 0, "expected a field name"},
        {"missing operator", "n 1", 2, "expected a comparison"},
        {"doubled operator", "n == 1", 3, "found '='"},
        {"dangling and", "n = 1 and", 9, "found the end of the text"},
        {"trailing operand", "n = 1 m = 2", 6, "expected 'and', 'or' or the end"},
        {"trailing parenthesis", "n = 1)", 5, "expected 'and', 'or' or the end"},
        {"unclosed parenthesis", "(n = 1", 6, "expected 'and', 'or' or ')'"},
        {"one of two unclosed", "((n = 1) or m = 2", 17, "expected 'and', 'or' or ')'"},
        {"empty parentheses", "()", 1, "expected a field name"},
        {"is without null", "n is 1", 5, "expected 'null' after 'is'"},
        {"is not null", "n is not null", 5, "expected 'null' after 'is'"},
        {"is null of a constant", "1 is null", 2, "expected a comparison"},
        {"lone minus", "n = - 1", 4, "expected a digit after '-'"},
        {"unexpected character", "n = 1 & m = 2", 6, "unexpected character"},
        {"constant against constant", "1 = 1", 0, "needs a field"},
        {"fields of different types", "n = x", 4, "different types"},
        {"integer against a date field", "d >= 20050101", 5,
         "integer compared with date field 'd'"},
        {"quoted text against an integer field", "n = '5'", 4,
         "quoted text compared with integer field 'n'"},
        {"quoted text against a float field", "'0' < x", 0,
         "quoted text compared with float field 'x'"},
        {"impossible date", "d = '31.02.2005'", 4, "is not a date"},
        {"date in another form", "'2005-01-31' <= d", 0, "is not a date"},
        {"integer beyond an integer field", "n = 2147483648", 4, "out of range"},
        {"integer beyond 64 bits", "x = 99999999999999999999", 4, "out of range"},
        {"parentheses one level too deep", nested(65), 64, "nested deeper than 64"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ": \"" + c.text + "\"");
        try {
            FilterExpression::parse(c.text, kSampleFields);
            ADD_FAILURE() << "no FilterError";
        } catch (const FilterError& error) {
            const std::string message = error.what();
            EXPECT_EQ(error.position(), c.position) << message;
            EXPECT_NE(message.find("position " + std::to_string(c.position)), std::string::npos)
                << message;
            EXPECT_NE(message.find(c.messagePart), std::string::npos) << message;
        }
    }
}

TEST(FilterErrorTest, ParenthesesUpToTheCapAreAccepted) {
    const auto filter = FilterExpression::parse(nested(64), kSampleFields);
    EXPECT_TRUE(filter.matches(withN(integer(1))));
    EXPECT_FALSE(filter.matches(withN(integer(2))));
}

} // namespace
} // namespace rv

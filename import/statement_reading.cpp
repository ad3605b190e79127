#include "import/statement_reading.h"

#include "import/amount_cells.h"
#include "import/import_messages.h"
#include "import/import_text.h"
#include "import/month_records.h"
#include "import/reading_builder.h"
#include "import/statement_person.h"
#include "import/statement_words.h"
#include "import/table_columns.h"
#include "import/usual_wages.h"
#include "import/year_blocks.h"

#include <algorithm>
#include <map>
#include <set>

namespace rv::import {

namespace {

using Kind = Token::Kind;

constexpr std::size_t kMonths = kMonthsInRow;

bool isSeparated(const Line& line) {
    return line.find_first_of(U"\t;|") != Line::npos;
}

std::vector<Token> cellTokens(const std::vector<Token>& tokens, std::size_t from = 0) {
    std::vector<Token> cells;
    for (std::size_t i = from; i < tokens.size(); ++i)
        if (tokens[i].kind != Kind::Word)
            cells.push_back(tokens[i]);
    return cells;
}

class Reader {
public:
    explicit Reader(const Reference* reference) : m_reference(reference) {}
    StatementReading read(std::string_view bytes);

private:
    void readLine(const Line& line);
    bool readMonthHeader(const std::vector<Token>& tokens);
    bool readYearHeader(const std::vector<Token>& tokens);
    bool readMonthLine(const std::vector<Token>& tokens);
    bool readPlainList(const Line& line, const std::vector<Token>& tokens);
    bool readYearRow(const std::vector<Token>& tokens, bool separated);
    bool readCertificateRow(const std::u32string& lower, const std::vector<Token>& tokens,
                            bool separated);

    const Reference* m_reference;
    ReadingBuilder m_out;
    YearBlocks m_blocks{m_out};
    MonthRecords m_records{m_out};
    StatementPersonReader m_person;
    std::vector<Column> m_yearColumns;       // the last header of year columns
    std::map<int, double> m_certificateSums; // year -> sum of month rows under m_yearColumns
    bool m_certificateGuessed = false;       // a row under m_yearColumns split by usual wages
    bool m_sawNumber = false;
};

StatementReading Reader::read(std::string_view bytes) {
    const std::vector<Line> lines = normaliseStatement(bytes);
    for (const Line& line : lines)
        readLine(line);
    m_blocks.endBlock();
    m_records.finish();
    StatementReading result = m_out.finish();
    result.person = m_person.person();
    if (result.months.empty()) {
        std::string reason;
        if (lines.empty())
            reason = messages::kImportEmptyText;
        else if (!m_sawNumber)
            reason = messages::kImportNoNumbers;
        else if (!result.unread.empty())
            reason = messages::kImportNoMonthPrefix + result.unread.front() +
                     messages::kImportNoMonthSuffix;
        else
            reason = messages::kImportNoAmounts;
        result.nothingFound = messages::kImportNothingFound + reason;
    }
    return result;
}

void Reader::readLine(const Line& line) {
    const std::vector<Token> tokens = tokenise(line);
    const bool hasNumber = std::any_of(tokens.begin(), tokens.end(),
                                       [](const Token& t) { return t.kind == Kind::Number; });
    m_sawNumber = m_sawNumber || hasNumber;
    const std::u32string lower = lowerCase(line);
    const bool separated = isSeparated(line);
    if (contains(lower, U"категор"))
        m_records.noteCategoryColumn();
    if (m_person.readLine(line, lower, tokens) || readMonthHeader(tokens))
        return;
    if (readYearHeader(tokens)) {
        m_blocks.endBlock();
        return;
    }
    if (m_records.readLine(line, tokens)) {
        m_blocks.endBlock();
        return;
    }
    if (m_blocks.readLine(line, tokens, separated) || readMonthLine(tokens) ||
        readPlainList(line, tokens) || readYearRow(tokens, separated) ||
        readCertificateRow(lower, tokens, separated) || m_records.isRecordTotal(lower))
        return;
    // Amounts: one with kopecks, or two of hundreds or more (karbovanets print none); not an
    // insurer's code, a year, a row number or a postal code alone.
    std::vector<Token> amounts;
    for (const Token& token : tokens)
        if (token.kind == Kind::Number && !isEmployerCode(token) && !isYear(token))
            amounts.push_back(token);
    const std::vector<Cell> cells = moneyCells(amounts);
    const bool withKopecks =
        std::any_of(cells.begin(), cells.end(), [](const Cell& cell) { return !cell.integer; });
    const auto hundreds = std::count_if(cells.begin(), cells.end(), [](const Cell& cell) {
        return cell.amount && *cell.amount >= 100;
    });
    const bool dataLike = withKopecks || hundreds >= 2;
    if (dataLike)
        m_out.unread(printedText(line));
}

// A header of month columns: ten names or more ("Січ Лют ..."), or the numbers 1..12 in order.
bool Reader::readMonthHeader(const std::vector<Token>& tokens) {
    std::vector<Column> columns;
    int months = 0;
    int expected = 1;
    for (const Token& token : tokens) {
        Column column{token.begin, token.end, kIgnoredColumn};
        if (token.kind == Kind::Word) {
            const std::u32string lower = lowerCase(token.text);
            if (const int month = monthFromName(token.text); month != 0) {
                column.key = month;
                ++months;
            } else if (isTotalLabel(lower)) {
                column.key = kTotalColumn;
            }
        } else if (token.kind == Kind::Number) {
            if (!token.integer || token.value != expected)
                return false;
            column.key = expected++;
            ++months;
        }
        columns.push_back(column);
    }
    if (months < 10)
        return false;
    // "Всього" printed on another line of the header: the total stands one column after December.
    const auto december = std::find_if(columns.begin(), columns.end(),
                                       [](const Column& column) { return column.key == 12; });
    const bool withTotal = std::any_of(columns.begin(), columns.end(), [](const Column& column) {
        return column.key == kTotalColumn;
    });
    if (!withTotal && december != columns.end() && months == 12) {
        const auto january = std::find_if(columns.begin(), columns.end(),
                                          [](const Column& column) { return column.key == 1; });
        const int step = (december->begin - january->begin) / 11;
        columns.push_back({december->begin + step, december->end + step, kTotalColumn});
    }
    m_blocks.setMonthColumns(std::move(columns));
    return true;
}

// A header of year columns over month rows: "Місяць 1993 1994 1995".
bool Reader::readYearHeader(const std::vector<Token>& tokens) {
    std::vector<Column> columns;
    int years = 0;
    for (const Token& token : tokens) {
        if (token.kind == Kind::Number && !isYear(token))
            return false;
        Column column{token.begin, token.end, kIgnoredColumn};
        if (isYear(token)) {
            column.key = static_cast<int>(token.value);
            ++years;
        }
        columns.push_back(column);
    }
    if (years < 2)
        return false;
    m_yearColumns = std::move(columns);
    m_certificateSums.clear();
    m_certificateGuessed = false;
    return true;
}

// "03.2005 8923,05": a month and its amount.
bool Reader::readMonthLine(const std::vector<Token>& tokens) {
    if (tokens.empty() || tokens.front().kind != Kind::Word)
        return false;
    const std::optional<MonthDate> date = parseMonthDate(tokens.front().text);
    if (!date)
        return false;
    const std::vector<Cell> cells = moneyCells(cellTokens(tokens, 1));
    if (cells.empty() || !cells.front().amount)
        return false;
    m_out.addAmount(date->year, date->month, *cells.front().amount, {});
    return true;
}

// "2005;3;1234,56", "2005 березень 1 234,56", "березень 2005 1234.56".
bool Reader::readPlainList(const Line& line, const std::vector<Token>& tokens) {
    const bool cells =
        !tokens.empty() && tokens.front().end == 1 && tokens.size() >= 2 && tokens[1].begin == 1;
    std::vector<std::u32string> parts;
    if (cells) {
        for (const Token& token : tokens)
            parts.push_back(token.text);
    } else {
        std::size_t i = 0;
        while (parts.size() < 2 && i < line.size()) {
            while (i < line.size() && (line[i] == U' ' || line[i] == U'\t'))
                ++i;
            std::size_t end = i;
            while (end < line.size() && line[end] != U' ' && line[end] != U'\t')
                ++end;
            if (end > i)
                parts.push_back(line.substr(i, end - i));
            i = end;
        }
        const std::size_t rest = line.find_first_not_of(U" \t", i);
        if (rest == std::u32string::npos)
            return false;
        std::u32string amount = line.substr(rest);
        while (!amount.empty() && (amount.back() == U' ' || amount.back() == U'\t'))
            amount.pop_back();
        parts.push_back(amount);
    }
    if (parts.size() < 3)
        return false;
    const auto yearOf = [](const std::u32string& text) {
        const std::optional<double> value = parseAmount(text);
        return text.size() == 4 && value && *value >= kFirstYear && *value <= kLastYear
                   ? static_cast<int>(*value)
                   : 0;
    };
    const auto monthOf = [](const std::u32string& text) {
        if (text.size() <= 2 && std::all_of(text.begin(), text.end(), isDigit)) {
            const int month = static_cast<int>(*parseAmount(text));
            return month >= 1 && month <= 12 ? month : 0;
        }
        return monthFromName(text);
    };
    int year = yearOf(parts[0]);
    int month = monthOf(parts[1]);
    if (year == 0 || month == 0) {
        year = yearOf(parts[1]);
        month = monthFromName(parts[0]);
    }
    const std::optional<double> amount = parseAmount(parts[2]);
    if (year == 0 || month == 0 || !amount)
        return false;
    m_out.addAmount(year, month, *amount, {});
    return true;
}

// A year row of a wage certificate: "1995 12 345 678 ..." with a month per column.
bool Reader::readYearRow(const std::vector<Token>& tokens, bool separated) {
    if (tokens.size() < 2 || !isYear(tokens.front()))
        return false;
    const std::vector<Token> numbers = cellTokens(tokens, 1);
    std::vector<Cell> cells = moneyCells(numbers);
    const int year = static_cast<int>(tokens.front().value);
    std::optional<std::vector<Placed>> placed;
    if (cells.size() == kMonths || cells.size() == kMonths + 1)
        placed = monthsInOrder(cells, cells.size() == kMonths + 1);
    else
        placed = placeByColumns(cells, m_blocks.monthColumns(), separated);
    if (!placed && cells.size() > kMonths + 1) {
        // Integers one space apart: the one reading whose months add up to the printed total.
        if (const auto confirmed = splitConfirmedByTotal(numbers))
            placed = monthsInOrder(*confirmed, true);
    }
    if (!placed)
        return false;
    m_out.coverYear(year);
    double sum = 0;
    std::optional<double> total;
    for (const Placed& cell : *placed) {
        if (cell.key == kTotalColumn) {
            total = cell.amount;
        } else if (cell.key >= 1 && cell.amount) {
            m_out.addAmount(year, cell.key, *cell.amount, {});
            sum += *cell.amount;
        }
    }
    m_out.checkRowTotal(year, std::to_string(year) + " р.", sum, total);
    return true;
}

// A month row of a wage certificate under a header of year columns: "березень 123,40 134,00",
// and its "Разом" row, checked against the sums of the columns.
bool Reader::readCertificateRow(const std::u32string& lower, const std::vector<Token>& tokens,
                                bool separated) {
    if (m_yearColumns.empty() || tokens.empty() || tokens.front().kind != Kind::Word)
        return false;
    const int month = monthFromName(tokens.front().text);
    const bool total = month == 0 && isTotalLabel(lower);
    if (month == 0 && !total)
        return false;
    const std::vector<Token> numbers = cellTokens(tokens);
    std::vector<Cell> cells = moneyCells(numbers);
    std::vector<int> years;
    for (const Column& column : m_yearColumns)
        if (column.key != kIgnoredColumn)
            years.push_back(column.key);
    std::optional<std::vector<Placed>> placed;
    const auto inOrder = [&](const std::vector<Cell>& row) {
        std::vector<Placed> result;
        for (std::size_t i = 0; i < row.size(); ++i)
            result.push_back({years[i], row[i].amount});
        return result;
    };
    // Integers one space apart in a copied text: thousands groups or cells, the text cannot say.
    const bool joinedIntegers =
        !separated && std::adjacent_find(numbers.begin(), numbers.end(),
                                         [](const Token& left, const Token& right) {
                                             return left.integer && right.integer &&
                                                    left.end + 1 == right.begin;
                                         }) != numbers.end();
    placed = placeByColumns(cells, m_yearColumns, separated);
    if (!placed && joinedIntegers && m_reference && years.size() <= kMonths) {
        if (total)
            return true; // a total only checks the months, and this one cannot be split
        std::vector<ColumnMonth> columns;
        columns.reserve(years.size());
        for (int year : years)
            columns.push_back({year, month});
        const auto reading =
            likeliestReading(*m_reference, columnReadings(numbers, years.size()), columns);
        if (!reading)
            return false;
        placed.emplace();
        for (std::size_t i = 0; i < years.size(); ++i)
            placed->push_back({years[i], (*reading)[i]});
        if (!m_certificateGuessed)
            m_out.flag(years.front(), 0, ImportFlagCode::Unconfirmed,
                       std::to_string(years.front()) + "–" + std::to_string(years.back()) +
                           messages::kImportSplitByUsualWages);
        m_certificateGuessed = true;
    } else if (!placed && cells.size() == years.size()) {
        placed = inOrder(cells);
    }
    if (!placed) {
        // Integers one space apart, one amount per year: placed only when the reading is the
        // only one.
        const auto splits = integerSplits(numbers, years.size(), 2);
        if (splits.size() != 1)
            return false;
        placed = inOrder(splits.front());
    }
    for (const Placed& cell : *placed) {
        if (!cell.amount)
            continue;
        if (total) {
            if (centsOf(*cell.amount) != centsOf(m_certificateSums[cell.key]))
                m_out.flag(cell.key, 0, ImportFlagCode::TotalMismatch,
                           std::to_string(cell.key) + messages::kImportYearTotalMismatch +
                               formatAmount(m_certificateSums[cell.key]) +
                               messages::kImportTotalMismatchPrinted + formatAmount(*cell.amount));
        } else {
            m_out.addAmount(cell.key, month, *cell.amount, {});
            m_certificateSums[cell.key] += *cell.amount;
        }
    }
    return true;
}

} // namespace

const char* flagCodeName(ImportFlagCode code) {
    switch (code) {
    case ImportFlagCode::TotalMismatch:
        return "total_mismatch";
    case ImportFlagCode::SeveralEmployers:
        return "several_employers";
    case ImportFlagCode::BelowMinimumWage:
        return "below_minimum_wage";
    case ImportFlagCode::FarAboveAverage:
        return "far_above_average";
    case ImportFlagCode::OutsideLedger:
        return "outside_ledger";
    case ImportFlagCode::DifferentEarning:
        return "different_earning";
    case ImportFlagCode::OldCurrency:
        return "old_currency";
    case ImportFlagCode::ZeroEarning:
        return "zero_earning";
    case ImportFlagCode::Unconfirmed:
        return "unconfirmed";
    }
    return "unknown";
}

StatementReading readStatement(std::string_view bytes, const Reference* reference) {
    return Reader(reference).read(bytes);
}

} // namespace rv::import

#include "import/month_records.h"

#include "import/amount_cells.h"
#include "import/statement_words.h"

#include <algorithm>

namespace rv::import {

namespace {

using Kind = Token::Kind;

// The lines a record's name may take before its numbers.
constexpr int kMaxRecordLines = 5;
// Columns of a joined line: tokens of different lines are never one amount.
constexpr int kLineOffset = 1 << 20;

std::vector<Token> numbersAfterLastWord(const std::vector<Token>& tokens) {
    std::size_t first = tokens.size();
    while (first > 0 && tokens[first - 1].kind != Kind::Word)
        --first;
    return {tokens.begin() + static_cast<std::ptrdiff_t>(first), tokens.end()};
}

// The category as a thousands group of the wages: "1 952,03" read as category 1 and 952,03.
std::optional<Cell> withoutCategory(const Cell& wages) {
    const std::size_t space = wages.text.find(U' ');
    if (space == std::u32string::npos || space > 2)
        return std::nullopt;
    const std::u32string rest = wages.text.substr(space + 1);
    const std::optional<double> amount = parseAmount(rest);
    if (!amount)
        return std::nullopt;
    return Cell{*amount, wages.integer, wages.begin + static_cast<int>(space) + 1, wages.end, rest};
}

} // namespace

struct MonthRecords::Figures {
    double wages = 0;
    std::optional<double> experience;
    bool category = false; // a category stood before the wages
};

bool MonthRecords::readLine(const Line& line, const std::vector<Token>& tokens) {
    std::size_t i = 0;
    std::optional<MonthDate> date;
    if (!tokens.empty() && tokens[0].kind == Kind::Word) {
        date = parseMonthDate(tokens[0].text);
        i = 1;
    } else if (tokens.size() >= 3 && isYear(tokens[0]) && tokens[1].kind == Kind::Number &&
               tokens[1].integer && tokens[1].text.size() <= 2 && tokens[1].value >= 1 &&
               tokens[1].value <= 12 && isEmployerCode(tokens[2])) {
        date = MonthDate{static_cast<int>(tokens[0].value), static_cast<int>(tokens[1].value)};
        i = 2;
    }
    if (date && i < tokens.size() && isEmployerCode(tokens[i])) {
        Record record;
        record.year = date->year;
        record.month = date->month;
        record.employer = encodeUtf8(tokens[i].text);
        record.tokens.assign(tokens.begin() + static_cast<std::ptrdiff_t>(i) + 1, tokens.end());
        record.text = printedText(line);
        m_out.coverYear(record.year);
        m_pending = !hasAmounts(record);
        m_records.push_back(std::move(record));
        return true;
    }
    if (!m_pending || date || m_records.empty())
        return false;
    Record& record = m_records.back();
    if (record.lines >= kMaxRecordLines) {
        m_pending = false;
        return false;
    }
    const int offset = kLineOffset * record.lines;
    for (Token token : tokens) {
        token.begin += offset;
        token.end += offset;
        record.tokens.push_back(std::move(token));
    }
    record.text += " " + printedText(line);
    ++record.lines;
    m_pending = !hasAmounts(record);
    return true;
}

bool MonthRecords::isRecordTotal(std::u32string_view lower) const {
    return !m_records.empty() && isTotalLabel(lower);
}

bool MonthRecords::hasAmounts(const Record& record) {
    const std::vector<Token> numbers = numbersAfterLastWord(record.tokens);
    return std::any_of(numbers.begin(), numbers.end(), [](const Token& token) {
        return token.kind == Kind::Number && !token.integer;
    });
}

// From the end: the experience (at most one month), the contribution and the wages (amounts with
// kopecks), and the category before them.
std::optional<MonthRecords::Figures> MonthRecords::figuresOf(const Record& record,
                                                             bool category) const {
    std::vector<Cell> cells = moneyCells(numbersAfterLastWord(record.tokens));
    std::erase_if(cells, [](const Cell& cell) { return !cell.amount; });
    // The money is printed with kopecks: the wages, then the contribution; a last fraction of at
    // most one month after them is the experience ("0,55"), and columns after those are not read.
    std::vector<std::size_t> money;
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (!cells[i].integer)
            money.push_back(i);
    if (money.size() >= 3 && *cells[money.back()].amount <= 1)
        money.pop_back();
    if (money.empty())
        return std::nullopt;
    const std::size_t wagesAt = money[money.size() - std::min<std::size_t>(money.size(), 2)];
    Figures figures;
    if (const std::size_t after = money.back() + 1;
        money.size() >= 2 && after < cells.size() && *cells[after].amount <= 1)
        figures.experience = *cells[after].amount;
    Cell wages = cells[wagesAt];
    figures.category =
        wagesAt > 0 && cells[wagesAt - 1].integer && cells[wagesAt - 1].text.size() <= 2;
    if (category && !figures.category)
        if (const std::optional<Cell> split = withoutCategory(wages)) {
            wages = *split;
            figures.category = true;
        }
    figures.wages = *wages.amount;
    return figures;
}

void MonthRecords::finish() {
    // Rows where the category stands apart tell that the statement prints one in every row.
    std::size_t apart = 0;
    for (const Record& record : m_records)
        if (const auto figures = figuresOf(record, false); figures && figures->category)
            ++apart;
    const bool category = m_categoryColumn || apart * 2 > m_records.size();
    for (const Record& record : m_records) {
        const std::optional<Figures> figures = figuresOf(record, category);
        if (!figures) {
            m_out.unread(record.text);
            continue;
        }
        m_out.addAmount(record.year, record.month, figures->wages, record.employer);
        if (figures->experience)
            m_out.addExperience(record.year, record.month, *figures->experience);
    }
    m_records.clear();
    m_pending = false;
}

} // namespace rv::import

#include "import/amount_cells.h"

#include <cmath>

namespace rv::import {

namespace {

using Kind = Token::Kind;

// Groups of an amount: up to hundreds of billions.
constexpr std::size_t kMostGroups = 5;

bool isPiece(const Token& token) {
    return token.kind == Kind::Number;
}

// Printed one space apart on the same line: the two may be one amount.
bool adjacent(const Token& left, const Token& right) {
    return left.end + 1 == right.begin;
}

Cell emptyCell(const Token& token) {
    return Cell{std::nullopt, false, token.begin, token.end, token.text};
}

Cell cellOf(const Token& token) {
    if (token.kind != Kind::Number)
        return emptyCell(token);
    return Cell{token.value, token.integer, token.begin, token.end, token.text};
}

// The pieces [first, last] as one amount, when the thousands grouping allows it.
std::optional<Cell> joined(const std::vector<Token>& tokens, std::size_t first, std::size_t last) {
    if (first == last)
        return cellOf(tokens[first]);
    if (tokens[first].text.front() == U'0')
        return std::nullopt; // a thousands group never leads with a zero
    std::u32string text = tokens[first].text;
    for (std::size_t i = first + 1; i <= last; ++i)
        text += U" " + tokens[i].text;
    const std::optional<double> amount = parseAmount(text);
    if (!amount)
        return std::nullopt;
    return Cell{*amount, tokens[last].integer, tokens[first].begin, tokens[last].end, text};
}

// The last index of the run of pieces from `first` that are one space apart and may be one
// amount's groups: it stops after the first piece with a fractional part.
std::size_t runEnd(const std::vector<Token>& tokens, std::size_t first) {
    std::size_t last = first;
    while (last + 1 < tokens.size() && tokens[last].integer && isPiece(tokens[last + 1]) &&
           adjacent(tokens[last], tokens[last + 1]))
        ++last;
    return last;
}

// Integers one space apart, each joining the amount before it while the grouping allows.
void appendGreedy(const std::vector<Token>& tokens, std::size_t first, std::size_t last,
                  std::vector<Cell>& cells) {
    std::size_t start = first;
    for (std::size_t i = first + 1; i <= last + 1; ++i) {
        if (i <= last && tokens[i].text.size() == 3 && joined(tokens, start, i))
            continue;
        cells.push_back(*joined(tokens, start, i - 1));
        start = i;
    }
}

class SplitSearch {
public:
    SplitSearch(const std::vector<Token>& tokens, std::size_t count, std::size_t limit)
        : m_tokens(tokens), m_count(count), m_limit(limit) {}

    std::vector<std::vector<Cell>> run() {
        search(0);
        if (m_steps > kMaxSteps)
            return {};
        return std::move(m_found);
    }

private:
    static constexpr std::size_t kMaxSteps = 20000;

    void search(std::size_t position) {
        if (++m_steps > kMaxSteps || m_found.size() >= m_limit)
            return;
        if (position == m_tokens.size()) {
            if (m_current.size() == m_count)
                m_found.push_back(m_current);
            return;
        }
        if (m_current.size() >= m_count)
            return;
        if (!isPiece(m_tokens[position])) {
            m_current.push_back(emptyCell(m_tokens[position]));
            search(position + 1);
            m_current.pop_back();
            return;
        }
        for (std::size_t last = position; last < m_tokens.size() && last < position + kMostGroups;
             ++last) {
            if (last > position && (!isPiece(m_tokens[last]) || !m_tokens[last - 1].integer ||
                                    !adjacent(m_tokens[last - 1], m_tokens[last])))
                break;
            const std::u32string& lead = m_tokens[position].text;
            if (last == position && lead.size() > 1 && lead.front() == U'0' &&
                m_tokens[position].integer)
                continue; // "000" is a thousands group, never an amount of its own
            const std::optional<Cell> cell = joined(m_tokens, position, last);
            if (!cell)
                continue;
            m_current.push_back(*cell);
            search(last + 1);
            m_current.pop_back();
        }
    }

    const std::vector<Token>& m_tokens;
    std::size_t m_count;
    std::size_t m_limit;
    std::size_t m_steps = 0;
    std::vector<Cell> m_current;
    std::vector<std::vector<Cell>> m_found;
};

} // namespace

std::int64_t centsOf(double amount) {
    return std::llround(amount * 100);
}

std::vector<Cell> moneyCells(const std::vector<Token>& tokens) {
    std::vector<Cell> cells;
    for (std::size_t i = 0; i < tokens.size();) {
        if (!isPiece(tokens[i])) {
            cells.push_back(emptyCell(tokens[i]));
            ++i;
            continue;
        }
        const std::size_t last = runEnd(tokens, i);
        if (tokens[last].integer) {
            appendGreedy(tokens, i, last, cells);
        } else {
            // The longest run of groups that ends in the fraction; pieces before it stand alone.
            std::size_t first = last - std::min(last - i, kMostGroups - 1);
            while (first < last && !joined(tokens, first, last))
                ++first;
            for (std::size_t k = i; k < first; ++k)
                cells.push_back(cellOf(tokens[k]));
            cells.push_back(*joined(tokens, first, last));
        }
        i = last + 1;
    }
    return cells;
}

std::vector<Cell> plainCells(const std::vector<Token>& tokens) {
    std::vector<Cell> cells;
    for (const Token& token : tokens)
        if (token.kind != Kind::Word)
            cells.push_back(cellOf(token));
    return cells;
}

std::vector<std::vector<Cell>> integerSplits(const std::vector<Token>& tokens, std::size_t count,
                                             std::size_t limit) {
    std::vector<Token> cells;
    for (const Token& token : tokens)
        if (token.kind != Kind::Word)
            cells.push_back(token);
    return SplitSearch(cells, count, limit).run();
}

} // namespace rv::import

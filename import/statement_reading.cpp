#include "import/statement_reading.h"

#include "import/import_text.h"
#include "import/rnokpp.h"
#include "calc/messages.h"
#include "import/import_messages.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace rv::import {

namespace {

using Kind = Token::Kind;

// The years a statement can name; anything else is an amount or a code.
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;
// A column of a header that marks the row total rather than a month or a year.
constexpr int kTotalColumn = -1;
constexpr int kIgnoredColumn = 0;

bool isYear(const Token& token) {
    return token.kind == Kind::Number && token.integer && token.text.size() == 4 &&
           token.value >= kFirstYear && token.value <= kLastYear;
}

// An employer's code (ЄДРПОУ, eight digits) or a person's registration number (ten).
bool isEmployerCode(const Token& token) {
    return token.kind == Kind::Number && token.integer && token.text.size() >= 8 &&
           token.text.size() <= 10 && std::all_of(token.text.begin(), token.text.end(), isDigit);
}

bool isCell(const Token& token) {
    return token.kind == Kind::Number || token.kind == Kind::Empty;
}

std::int64_t cents(double amount) {
    return std::llround(amount * 100);
}

bool contains(const std::u32string& text, std::u32string_view part) {
    return text.find(part) != std::u32string::npos;
}

bool containsAny(const std::u32string& text, std::initializer_list<std::u32string_view> parts) {
    return std::any_of(parts.begin(), parts.end(),
                       [&](std::u32string_view part) { return contains(text, part); });
}

bool isTotalLabel(const std::u32string& lower) {
    return containsAny(lower, {U"всього", U"разом", U"усього", U"підсумок"});
}

// 12345.5 as "12 345,50".
std::string formatAmount(double amount) {
    const std::int64_t total = cents(amount);
    std::string whole = std::to_string(total / 100);
    for (int i = static_cast<int>(whole.size()) - 3; i > 0; i -= 3)
        whole.insert(static_cast<std::size_t>(i), " ");
    const int fraction = static_cast<int>(total % 100);
    return whole + "," + (fraction < 10 ? "0" : "") + std::to_string(fraction);
}

std::string monthName(int year, int month) {
    return monthInSentence(ledgerMonthFromCalendar(year, month)) + " р.";
}

// A column of a table header: what it holds (a month 1..12, a year, the total, or nothing we
// read) and where it is printed.
struct Column {
    int begin = 0;
    int end = 0;
    int key = kIgnoredColumn;
};

// The column that a cell printed at [begin, end) belongs to: the one it overlaps most, else the
// nearest; nullopt when the header has no columns.
std::optional<int> columnOf(const Token& cell, const std::vector<Column>& columns) {
    std::optional<int> best;
    int bestOverlap = 0;
    int bestDistance = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const Column& column = columns[i];
        const int overlap = std::min(cell.end, column.end) - std::max(cell.begin, column.begin);
        const int distance =
            std::abs((cell.begin + cell.end) - (column.begin + column.end)); // twice the gap
        if (!best || overlap > bestOverlap ||
            (overlap == bestOverlap && overlap <= 0 && distance < bestDistance)) {
            best = static_cast<int>(i);
            bestOverlap = overlap;
            bestDistance = distance;
        }
    }
    return best;
}

// A placed cell: the column key and its amount (nullopt for an empty cell).
struct Placed {
    int key = 0;
    std::optional<double> amount;
};

class Reader {
public:
    StatementReading read(std::string_view bytes);

private:
    void readLine(const Line& line);
    bool readIdentity(const Line& line, const std::vector<Token>& tokens);
    bool readMonthHeader(const std::vector<Token>& tokens);
    bool readYearHeader(const std::vector<Token>& tokens);
    bool readYearLine(const std::vector<Token>& tokens);
    bool readMonthLine(const std::vector<Token>& tokens);
    bool readPlainList(const Line& line, const std::vector<Token>& tokens);
    bool readBlockRow(const std::u32string& lower, const std::vector<Token>& tokens);
    bool readYearRow(const std::vector<Token>& tokens);
    bool readCertificateRow(const std::u32string& lower, const std::vector<Token>& tokens);
    std::optional<std::vector<Placed>> placeMonths(std::vector<Token> cells,
                                                   bool mayHaveMark) const;
    void checkRowTotal(int year, const std::vector<Placed>& placed, const std::string& row);
    void addAmount(int year, int month, double amount);
    void addExperience(int year, int month, double months);
    void flag(int year, int month, ImportFlagCode code, std::string text);
    void finish();

    StatementReading m_result;
    std::map<LedgerMonth, ImportedMonth> m_months;
    std::map<LedgerMonth, double> m_experience;
    int m_blockYear = 0;                     // the year of the current year block
    std::map<int, double> m_blockMonthSums;  // month 1..12 -> sum of the block's rows
    std::vector<Column> m_monthColumns;      // the last header of month columns
    std::vector<Column> m_yearColumns;       // the last header of year columns
    std::map<int, double> m_certificateSums; // year -> sum of month rows under m_yearColumns
    bool m_sawNumber = false;
};

StatementReading Reader::read(std::string_view bytes) {
    const std::vector<Line> lines = normaliseStatement(bytes);
    for (const Line& line : lines)
        readLine(line);
    finish();
    if (m_result.months.empty()) {
        std::string reason;
        if (lines.empty())
            reason = messages::kImportEmptyText;
        else if (!m_sawNumber)
            reason = messages::kImportNoNumbers;
        else if (!m_result.unread.empty())
            reason = messages::kImportNoMonthPrefix + m_result.unread.front() +
                     messages::kImportNoMonthSuffix;
        else
            reason = messages::kImportNoAmounts;
        m_result.nothingFound = messages::kImportNothingFound + reason;
    }
    return std::move(m_result);
}

void Reader::readLine(const Line& line) {
    const std::vector<Token> tokens = tokenise(line);
    const bool hasNumber = std::any_of(tokens.begin(), tokens.end(),
                                       [](const Token& t) { return t.kind == Kind::Number; });
    m_sawNumber = m_sawNumber || hasNumber;
    const std::u32string lower = lowerCase(line);
    if (readIdentity(line, tokens) || readMonthHeader(tokens) || readYearHeader(tokens) ||
        readYearLine(tokens) || readMonthLine(tokens) || readPlainList(line, tokens) ||
        readBlockRow(lower, tokens) || readYearRow(tokens) || readCertificateRow(lower, tokens))
        return;
    if (m_blockYear != 0 && containsAny(lower, {U"внес", U"внеск"}))
        return; // the contributions row of a year block
    const bool dataLike = std::any_of(tokens.begin(), tokens.end(), [](const Token& t) {
        return t.kind == Kind::Number && (!t.integer || t.text.size() >= 3);
    });
    if (dataLike)
        m_result.unread.push_back(encodeUtf8(line.substr(line.find_first_not_of(U" \t"))));
}

// "ПІБ: Іваненко Петро Іванович", "РНОКПП: 1234567890" (also on one line).
bool Reader::readIdentity(const Line& line, const std::vector<Token>& tokens) {
    const std::u32string lower = lowerCase(line);
    const std::size_t numberLabel = std::min({lower.find(U"рнокпп"), lower.find(U"ідентифікаційн"),
                                              lower.find(U"іпн"), lower.find(U"облікової картки")});
    std::size_t nameLabel =
        std::min({lower.find(U"піб"), lower.find(U"прізвище"), lower.find(U"застрахована особа:")});
    if (numberLabel == std::u32string::npos && nameLabel == std::u32string::npos)
        return false;
    if (!m_result.person)
        m_result.person = StatementPerson{};
    StatementPerson& person = *m_result.person;
    if (numberLabel != std::u32string::npos) {
        for (const Token& token : tokens)
            if (token.kind == Kind::Number && token.integer && token.text.size() == 10 &&
                static_cast<std::size_t>(token.begin) > numberLabel && person.rnokpp.empty()) {
                person.rnokpp = encodeUtf8(token.text);
                if (const std::optional<RnokppFacts> facts = readRnokpp(person.rnokpp)) {
                    person.rnokppValid = facts->checkDigitValid;
                    if (facts->checkDigitValid) {
                        person.birthDate = facts->birthDate;
                        person.gender = facts->gender;
                    }
                }
            }
    }
    if (nameLabel != std::u32string::npos && person.name.empty()) {
        std::size_t start = line.find(U':', nameLabel);
        if (start == std::u32string::npos) {
            start = nameLabel;
            while (start < line.size() && line[start] != U' ')
                ++start;
        } else {
            ++start;
        }
        std::size_t end = numberLabel > start ? numberLabel : line.size();
        std::u32string name = line.substr(start, end - start);
        // A trailing separator before the number's label: "Іваненко П. І., РНОКПП".
        while (!name.empty() && (name.back() == U' ' || name.back() == U',' || name.back() == U';'))
            name.pop_back();
        while (!name.empty() && name.front() == U' ')
            name.erase(0, 1);
        if (std::any_of(name.begin(), name.end(), [](char32_t c) { return c >= 0x400; }))
            person.name = encodeUtf8(name);
    }
    return true;
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
    m_monthColumns = std::move(columns);
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
    m_blockYear = 0;
    return true;
}

// "2005 рік", "за 2005 р.", "Рік 2005": a year block starts.
bool Reader::readYearLine(const std::vector<Token>& tokens) {
    static const std::set<std::u32string> kWords = {U"рік", U"рік:",    U"р.",  U"р",
                                                    U"за",  U"звітний", U"рік,"};
    int year = 0;
    for (const Token& token : tokens) {
        if (isYear(token) && year == 0)
            year = static_cast<int>(token.value);
        else if (token.kind != Kind::Word || !kWords.contains(lowerCase(token.text)))
            return false;
    }
    if (year == 0)
        return false;
    m_blockYear = year;
    m_blockMonthSums.clear();
    return true;
}

// "03.2005 12345678 ТОВ «Зоря» 8 923,05 1 963,07 1" or "03.2005 8923,05".
bool Reader::readMonthLine(const std::vector<Token>& tokens) {
    if (tokens.empty() || tokens.front().kind != Kind::Word)
        return false;
    const std::optional<MonthDate> date = parseMonthDate(tokens.front().text);
    if (!date)
        return false;
    std::size_t first = 1;
    bool withEmployer = false;
    for (std::size_t i = 1; i < tokens.size(); ++i)
        if (isEmployerCode(tokens[i])) {
            first = i + 1;
            withEmployer = true;
            break;
        } else if (tokens[i].kind == Kind::Number) {
            break;
        }
    std::vector<double> numbers;
    for (std::size_t i = first; i < tokens.size(); ++i)
        if (tokens[i].kind == Kind::Number)
            numbers.push_back(tokens[i].value);
    if (numbers.empty())
        return false;
    if (!withEmployer) {
        addAmount(date->year, date->month, numbers.front());
        return true;
    }
    // Read from the end, as the employer's name may hold digits: wages, contribution, months.
    double wages = numbers.front();
    if (numbers.size() >= 3 && numbers.back() <= 1) {
        wages = numbers[numbers.size() - 3];
        addExperience(date->year, date->month, numbers.back());
    } else if (numbers.size() >= 2) {
        wages = numbers[numbers.size() - 2];
    }
    addAmount(date->year, date->month, wages);
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
    addAmount(year, month, *amount);
    return true;
}

// The rows of a year block: per employer (code, mark, twelve months, total), the experience
// months, the contributions, and the block's totals.
bool Reader::readBlockRow(const std::u32string& lower, const std::vector<Token>& tokens) {
    if (m_blockYear == 0)
        return false;
    const int year = m_blockYear;
    std::size_t first = 0;
    std::string employer;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (isEmployerCode(tokens[i])) {
            first = i + 1;
            employer = encodeUtf8(tokens[i].text);
            break;
        }
        if (isCell(tokens[i])) {
            first = i;
            break;
        }
    }
    std::vector<Token> cells;
    for (std::size_t i = first; i < tokens.size(); ++i)
        if (isCell(tokens[i]))
            cells.push_back(tokens[i]);
    if (cells.empty())
        return false;

    if (containsAny(lower, {U"внес", U"внеск"}))
        return true;
    if (employer.empty() && containsAny(lower, {U"стаж", U"місяц"})) {
        const auto placed = placeMonths(cells, false);
        if (!placed)
            return false;
        for (const Placed& cell : *placed)
            if (cell.key >= 1 && cell.amount && *cell.amount <= 1)
                addExperience(year, cell.key, *cell.amount);
        return true;
    }
    if (employer.empty() && isTotalLabel(lower)) {
        if (cells.size() == 1 && cells.front().kind == Kind::Number) {
            double sum = 0;
            for (const auto& [month, amount] : m_blockMonthSums)
                sum += amount;
            if (cents(sum) != cents(cells.front().value))
                flag(year, 0, ImportFlagCode::TotalMismatch,
                     std::to_string(year) + messages::kImportYearTotalMismatch + formatAmount(sum) +
                         messages::kImportTotalMismatchPrinted + formatAmount(cells.front().value));
            return true;
        }
        const auto placed = placeMonths(cells, false);
        if (!placed)
            return false;
        for (const Placed& cell : *placed)
            if (cell.key >= 1 && cell.amount &&
                cents(*cell.amount) != cents(m_blockMonthSums[cell.key]))
                flag(year, cell.key, ImportFlagCode::TotalMismatch,
                     monthName(year, cell.key) + messages::kImportColumnTotalMismatch +
                         formatAmount(m_blockMonthSums[cell.key]) +
                         messages::kImportTotalMismatchPrinted + formatAmount(*cell.amount));
        return true;
    }
    if (employer.empty() && cells.size() < 12 && m_monthColumns.empty())
        return false;
    const auto placed = placeMonths(cells, !employer.empty());
    if (!placed)
        return false;
    for (const Placed& cell : *placed)
        if (cell.key >= 1 && cell.amount) {
            addAmount(year, cell.key, *cell.amount);
            m_blockMonthSums[cell.key] += *cell.amount;
        }
    checkRowTotal(year, *placed,
                  employer.empty() ? std::string() : messages::kImportEmployer + employer);
    return true;
}

// A year row of a wage certificate: "1995 12 345 678 ..." with a month per column.
bool Reader::readYearRow(const std::vector<Token>& tokens) {
    if (tokens.size() < 2 || !isYear(tokens.front()))
        return false;
    std::vector<Token> cells;
    for (std::size_t i = 1; i < tokens.size(); ++i)
        if (isCell(tokens[i]))
            cells.push_back(tokens[i]);
    if (cells.size() < 12 && m_monthColumns.empty())
        return false;
    const auto placed = placeMonths(cells, false);
    if (!placed)
        return false;
    const int year = static_cast<int>(tokens.front().value);
    for (const Placed& cell : *placed)
        if (cell.key >= 1 && cell.amount)
            addAmount(year, cell.key, *cell.amount);
    checkRowTotal(year, *placed, std::string());
    return true;
}

// A month row of a wage certificate under a header of year columns: "березень 123,40 134,00",
// and its "Разом" row, checked against the sums of the columns.
bool Reader::readCertificateRow(const std::u32string& lower, const std::vector<Token>& tokens) {
    if (m_yearColumns.empty() || tokens.empty() || tokens.front().kind != Kind::Word)
        return false;
    const int month = monthFromName(tokens.front().text);
    const bool total = month == 0 && isTotalLabel(lower);
    if (month == 0 && !total)
        return false;
    std::vector<Token> cells;
    for (const Token& token : tokens)
        if (isCell(token))
            cells.push_back(token);
    std::vector<int> years;
    for (const Column& column : m_yearColumns)
        if (column.key != kIgnoredColumn)
            years.push_back(column.key);
    std::vector<Placed> placed;
    if (cells.size() == years.size()) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            placed.push_back({years[i], cells[i].kind == Kind::Number
                                            ? std::optional<double>(cells[i].value)
                                            : std::nullopt});
    } else {
        std::set<int> taken;
        for (const Token& cell : cells) {
            const std::optional<int> column = columnOf(cell, m_yearColumns);
            const int key = column ? m_yearColumns[*column].key : kIgnoredColumn;
            if (key == kIgnoredColumn || !taken.insert(key).second)
                return false;
            placed.push_back({key, cell.kind == Kind::Number ? std::optional<double>(cell.value)
                                                             : std::nullopt});
        }
    }
    for (const Placed& cell : placed) {
        if (!cell.amount)
            continue;
        if (total) {
            if (cents(*cell.amount) != cents(m_certificateSums[cell.key]))
                flag(cell.key, 0, ImportFlagCode::TotalMismatch,
                     std::to_string(cell.key) + messages::kImportYearTotalMismatch +
                         formatAmount(m_certificateSums[cell.key]) +
                         messages::kImportTotalMismatchPrinted + formatAmount(*cell.amount));
        } else {
            addAmount(cell.key, month, *cell.amount);
            m_certificateSums[cell.key] += *cell.amount;
        }
    }
    return true;
}

// Gives the cells of a row their months (key 1..12, or the total): twelve cells are the months,
// thirteen the months and the total; otherwise the header's columns decide. A row that starts
// with an employer's code may carry a mark before its months.
std::optional<std::vector<Placed>> Reader::placeMonths(std::vector<Token> cells,
                                                       bool mayHaveMark) const {
    const auto amountOf = [](const Token& cell) {
        return cell.kind == Kind::Number ? std::optional<double>(cell.value) : std::nullopt;
    };
    if (!m_monthColumns.empty() && cells.size() != 12 && cells.size() != 13) {
        std::vector<Placed> placed;
        std::set<int> taken;
        for (const Token& cell : cells) {
            const std::optional<int> column = columnOf(cell, m_monthColumns);
            const int key = column ? m_monthColumns[*column].key : kIgnoredColumn;
            if (key == kIgnoredColumn)
                continue;
            if (!taken.insert(key).second)
                return std::nullopt;
            placed.push_back({key, amountOf(cell)});
        }
        return placed;
    }
    if (mayHaveMark) {
        while (cells.size() > 13)
            cells.erase(cells.begin());
        if (cells.size() == 13) {
            double sum = 0;
            for (std::size_t i = 0; i < 12; ++i)
                sum += amountOf(cells[i]).value_or(0);
            const bool leadingMark = cells.front().integer && cells.front().text.size() <= 2 &&
                                     cents(sum) != cents(amountOf(cells[12]).value_or(0));
            if (leadingMark)
                cells.erase(cells.begin());
        }
    }
    if (cells.size() != 12 && cells.size() != 13)
        return std::nullopt;
    std::vector<Placed> placed;
    for (std::size_t i = 0; i < cells.size(); ++i)
        placed.push_back({i < 12 ? static_cast<int>(i) + 1 : kTotalColumn, amountOf(cells[i])});
    return placed;
}

void Reader::checkRowTotal(int year, const std::vector<Placed>& placed, const std::string& row) {
    double sum = 0;
    std::optional<double> total;
    for (const Placed& cell : placed) {
        if (cell.key == kTotalColumn)
            total = cell.amount;
        else if (cell.amount)
            sum += *cell.amount;
    }
    if (total && cents(*total) != cents(sum))
        flag(year, 0, ImportFlagCode::TotalMismatch,
             std::to_string(year) + " р." + row + messages::kImportRowTotalMismatch +
                 formatAmount(sum) + messages::kImportTotalMismatchPrinted + formatAmount(*total));
}

void Reader::addAmount(int year, int month, double amount) {
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || !(amount > 0))
        return;
    const LedgerMonth key = ledgerMonthFromCalendar(year, month);
    ImportedMonth& entry = m_months[key];
    entry.month = key;
    entry.amount += amount;
    ++entry.employers;
}

void Reader::addExperience(int year, int month, double months) {
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || !(months >= 0))
        return;
    double& sum = m_experience[ledgerMonthFromCalendar(year, month)];
    sum = std::min(1.0, sum + months);
}

void Reader::flag(int year, int month, ImportFlagCode code, std::string text) {
    m_result.flags.push_back({year, month, code, std::move(text)});
}

void Reader::finish() {
    for (auto& [key, entry] : m_months) {
        if (const auto experience = m_experience.find(key); experience != m_experience.end())
            entry.experienceMonths = experience->second;
        if (entry.employers > 1)
            flag(key.year, calendarMonth(key), ImportFlagCode::SeveralEmployers,
                 monthName(key.year, calendarMonth(key)) + messages::kImportSeveralEmployersPrefix +
                     std::to_string(entry.employers) + messages::kImportSeveralEmployersSuffix);
        m_result.months.push_back(entry);
    }
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

StatementReading readStatement(std::string_view bytes) {
    return Reader().read(bytes);
}

} // namespace rv::import

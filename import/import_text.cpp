#include "import/import_text.h"

#include "engine/cp1251.h"
#include "engine/text_utf8.h"
#include "import/statement_words.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <set>

namespace rv::import {

namespace {

bool isSpace(char32_t c) {
    return c == U' ' || c == U'\t';
}

bool isCyrillic(char32_t c) {
    return c >= 0x400 && c <= 0x4FF;
}

bool isLatin(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

bool isLetter(char32_t c) {
    return isCyrillic(c) || isLatin(c);
}

// Spaces that PDF text puts between thousands: no-break, figure, thin, narrow no-break.
bool isGroupingSpace(char32_t c) {
    return c == 0x00A0 || c == 0x2007 || c == 0x2008 || c == 0x2009 || c == 0x200A || c == 0x202F;
}

bool isApostrophe(char32_t c) {
    return c == 0x2019 || c == 0x2018 || c == 0x02BC || c == 0x0060 || c == 0x00B4 || c == 0x02B9 ||
           c == 0xFF07;
}

bool isDash(char32_t c) {
    return (c >= 0x2010 && c <= 0x2015) || c == 0x2212;
}

// The Cyrillic letter that a Latin letter looks like, or the letter itself.
char32_t cyrillicLookAlike(char32_t c) {
    static constexpr std::array<std::pair<char32_t, char32_t>, 24> kPairs = {{
        {U'a', 0x430}, {U'c', 0x441}, {U'e', 0x435}, {U'i', 0x456}, {U'o', 0x43E}, {U'p', 0x440},
        {U'x', 0x445}, {U'y', 0x443}, {U'k', 0x43A}, {U'A', 0x410}, {U'B', 0x412}, {U'C', 0x421},
        {U'E', 0x415}, {U'H', 0x41D}, {U'I', 0x406}, {U'K', 0x41A}, {U'M', 0x41C}, {U'O', 0x41E},
        {U'P', 0x420}, {U'T', 0x422}, {U'X', 0x425}, {U'Y', 0x423}, {U'j', 0x458}, {U'S', 0x405},
    }};
    for (const auto& [latin, cyrillic] : kPairs)
        if (latin == c)
            return cyrillic;
    return c;
}

// Latin look-alikes inside a word that has Cyrillic letters become Cyrillic.
void fixLookAlikes(std::u32string& text) {
    std::size_t start = 0;
    while (start < text.size()) {
        if (!isLetter(text[start])) {
            ++start;
            continue;
        }
        std::size_t end = start;
        bool cyrillic = false;
        bool latin = false;
        while (end < text.size() && (isLetter(text[end]) || text[end] == U'\'')) {
            cyrillic = cyrillic || isCyrillic(text[end]);
            latin = latin || isLatin(text[end]);
            ++end;
        }
        if (cyrillic && latin)
            for (std::size_t i = start; i < end; ++i)
                text[i] = cyrillicLookAlike(text[i]);
        start = end;
    }
}

std::u32string decodeUtf8(std::string_view bytes) {
    std::u32string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1   ? lead
                     : length == 2 ? lead & 0x1F
                     : length == 3 ? lead & 0x0F
                                   : lead & 0x07;
        for (int k = 1; k < length && i + k < bytes.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
        text.push_back(c);
        i += length;
    }
    return text;
}

std::u32string trimmed(std::u32string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isSpace(text[begin]))
        ++begin;
    while (end > begin && isSpace(text[end - 1]))
        --end;
    return std::u32string(text.substr(begin, end - begin));
}

// The line with runs of spaces made one, for comparing repeated headers.
std::u32string collapsed(std::u32string_view text) {
    std::u32string result;
    for (char32_t c : trimmed(text)) {
        if (isSpace(c) && !result.empty() && result.back() == U' ')
            continue;
        result.push_back(isSpace(c) ? U' ' : c);
    }
    return result;
}

// "Сторінка 2 з 5", "стор. 2", "- 2 -", "2/5", "Page 2 of 5": a page number alone on a line.
// Without a word before it the number has at most three digits, so a year line stays.
bool isPageNumberLine(const Line& line) {
    const std::u32string text = lowerCase(collapsed(line));
    std::size_t i = 0;
    for (std::u32string_view word : {std::u32string_view(U"сторінка"),
                                     std::u32string_view(U"стор."), std::u32string_view(U"стор"),
                                     std::u32string_view(U"аркуш"), std::u32string_view(U"page")})
        if (text.compare(0, word.size(), word) == 0) {
            i = word.size();
            break;
        }
    const bool named = i > 0;
    int numbers = 0;
    while (i < text.size()) {
        const char32_t c = text[i];
        if (isDigit(c)) {
            std::size_t end = i;
            while (end < text.size() && isDigit(text[end]))
                ++end;
            if (end - i > (named ? 4u : 3u))
                return false;
            ++numbers;
            i = end;
        } else if (c == U' ' || c == U'-' || c == U'/' || c == U'з') {
            ++i;
        } else if (text.compare(i, 2, U"із") == 0 || text.compare(i, 2, U"of") == 0) {
            i += 2;
        } else {
            return false;
        }
    }
    return numbers >= 1 && numbers <= 2;
}

std::size_t leadingDigits(std::u32string_view text) {
    std::size_t n = 0;
    while (n < text.size() && isDigit(text[n]))
        ++n;
    return n;
}

// Joins a row that a line break cut inside an amount, after its decimal separator
// ("8 923," / "05 ...") or before it ("8 923" / ",05 ...").
void joinBrokenNumbers(std::vector<Line>& lines) {
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        Line& line = lines[i];
        Line& next = lines[i + 1];
        const std::size_t start = next.find_first_not_of(U" \t");
        if (start == Line::npos || line.empty())
            continue;
        const std::u32string_view rest = std::u32string_view(next).substr(start);
        const bool cutAfterSeparator = line.size() >= 2 &&
                                       (line.back() == U',' || line.back() == U'.') &&
                                       isDigit(line[line.size() - 2]);
        std::size_t take = 0;
        if (cutAfterSeparator) {
            const std::size_t digits = leadingDigits(rest);
            if (digits >= 1 && digits <= 2 && (digits == rest.size() || isSpace(rest[digits])))
                take = digits;
        } else if (isDigit(line.back()) && rest.size() >= 2 &&
                   (rest[0] == U',' || rest[0] == U'.')) {
            const std::size_t digits = leadingDigits(rest.substr(1));
            if (digits >= 1 && digits <= 2 &&
                (digits + 1 == rest.size() || isSpace(rest[digits + 1])))
                take = digits + 1;
        }
        if (take == 0)
            continue;
        // The rest of the row follows the cut amount: the two lines are one row.
        line.append(rest);
        next.clear();
    }
}

// Drops page numbers, page footers, and the later copies of a header line that is printed on
// every page; a line with three numbers or more is data and stays, and so do rows' labels.
void dropPageFurniture(std::vector<Line>& lines) {
    std::set<std::u32string> seen;
    std::vector<Line> kept;
    for (Line& line : lines) {
        std::u32string shape = collapsed(line);
        const std::u32string lower = lowerCase(line);
        if (shape.empty() || isPageNumberLine(line) || isPageFurniture(lower))
            continue;
        const std::vector<Token> tokens = tokenise(line);
        const auto numbers = std::count_if(tokens.begin(), tokens.end(), [](const Token& token) {
            return token.kind == Token::Kind::Number;
        });
        // The labels of a table's rows repeat in every block and stay.
        if (numbers <= 2 && !blockLabel(lower) && !seen.insert(std::move(shape)).second)
            continue;
        kept.push_back(std::move(line));
    }
    lines = std::move(kept);
}

// Splits a line of separated cells; quotes around a cell are removed.
std::vector<std::u32string> splitCells(const Line& line, std::u32string_view separators) {
    std::vector<std::u32string> cells(1);
    bool quoted = false;
    for (char32_t c : line) {
        if (c == U'"')
            quoted = !quoted;
        else if (!quoted && separators.find(c) != std::u32string_view::npos)
            cells.emplace_back();
        else
            cells.back().push_back(c);
    }
    return cells;
}

// "2005,3,..." or a quoted first cell: a comma-separated line of a spreadsheet.
bool isCommaSeparated(const Line& line) {
    const std::u32string text = trimmed(line);
    if (!text.empty() && text.front() == U'"')
        return true;
    const std::size_t year = leadingDigits(text);
    if (year != 4 || year >= text.size() || text[year] != U',')
        return false;
    const std::size_t month = leadingDigits(std::u32string_view(text).substr(year + 1));
    return month >= 1 && month <= 2 && year + 1 + month < text.size() &&
           text[year + 1 + month] == U',';
}

Token classify(const std::u32string& text, int begin, int end) {
    Token token;
    token.begin = begin;
    token.end = end;
    const std::u32string cell = trimmed(text);
    if (cell.empty() || cell == U"-") {
        token.kind = Token::Kind::Empty;
    } else if (parseMonthDate(cell)) {
        token.kind = Token::Kind::Word;
    } else if (const std::optional<double> amount = parseAmount(cell)) {
        token.kind = Token::Kind::Number;
        token.value = *amount;
        token.integer = cell.find_first_of(U",.") == std::u32string::npos;
    }
    token.text = cell;
    return token;
}

} // namespace

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

std::string encodeUtf8(std::u32string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (char32_t c : text) {
        if (c < 0x80) {
            bytes.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            bytes.push_back(static_cast<char>(0xC0 | (c >> 6)));
            bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            bytes.push_back(static_cast<char>(0xE0 | (c >> 12)));
            bytes.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            bytes.push_back(static_cast<char>(0xF0 | ((c >> 18) & 0x07)));
            bytes.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return bytes;
}

std::u32string decodeText(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    if (isValidUtf8(bytes))
        return decodeUtf8(bytes);
    return decodeUtf8(fromCp1251(bytes));
}

std::string printedText(const Line& line) {
    const std::size_t start = line.find_first_not_of(U" \t");
    return encodeUtf8(start == Line::npos ? std::u32string_view()
                                          : std::u32string_view(line).substr(start));
}

std::u32string lowerCase(std::u32string_view text) {
    std::u32string result(text);
    for (char32_t& c : result) {
        if ((c >= U'A' && c <= U'Z') || (c >= 0x410 && c <= 0x42F))
            c += 0x20;
        else if (c >= 0x400 && c <= 0x40F)
            c += 0x50;
        else if (c == 0x490)
            c = 0x491;
    }
    return result;
}

std::vector<Line> normaliseStatement(std::string_view bytes) {
    const std::u32string text = decodeText(bytes);
    std::u32string clean;
    clean.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c == U'\r') {
            if (i + 1 < text.size() && text[i + 1] == U'\n')
                continue;
            clean.push_back(U'\n');
        } else if (c == U'\f' || c == 0x2028 || c == 0x2029 || c == 0x85) {
            clean.push_back(U'\n');
        } else if (isGroupingSpace(c)) {
            const bool betweenDigits = !clean.empty() && isDigit(clean.back()) &&
                                       i + 1 < text.size() && isDigit(text[i + 1]);
            clean.push_back(betweenDigits ? 0x00A0 : U' ');
        } else if (c == 0x00AD || c == 0x200B || c == 0xFEFF) {
            continue;
        } else if (isApostrophe(c)) {
            clean.push_back(U'\'');
        } else if (isDash(c)) {
            clean.push_back(U'-');
        } else if ((c < 0x20 && c != U'\n' && c != U'\t') || c == 0x7F ||
                   (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
            clean.push_back(U' ');
        } else {
            clean.push_back(c);
        }
    }
    fixLookAlikes(clean);

    std::vector<Line> lines;
    std::size_t start = 0;
    while (start <= clean.size()) {
        std::size_t end = clean.find(U'\n', start);
        if (end == std::u32string::npos)
            end = clean.size();
        Line line = clean.substr(start, end - start);
        while (!line.empty() && isSpace(line.back()))
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    joinBrokenNumbers(lines);
    dropPageFurniture(lines);
    return lines;
}

std::optional<double> parseAmount(std::u32string_view text) {
    std::string digits;
    std::size_t i = 0;
    std::size_t group = 0;
    bool grouped = false;
    for (; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (isDigit(c)) {
            digits.push_back(static_cast<char>(c));
            ++group;
        } else if (c == U' ' || c == 0x00A0) {
            // a group separator: the groups after the first have three digits
            if (group == 0 || (grouped && group != 3) || (!grouped && group > 3))
                return std::nullopt;
            grouped = true;
            group = 0;
        } else {
            break;
        }
    }
    if (digits.empty() || group == 0 || (grouped && group != 3))
        return std::nullopt;
    if (i < text.size()) {
        if (text[i] != U',' && text[i] != U'.')
            return std::nullopt;
        digits.push_back('.');
        ++i;
        const std::size_t fraction = i;
        for (; i < text.size() && isDigit(text[i]); ++i)
            digits.push_back(static_cast<char>(text[i]));
        if (i != text.size() || i == fraction)
            return std::nullopt;
    }
    // Fifteen integer digits keep every cent of an amount in a double.
    if (std::min(digits.find('.'), digits.size()) > 15 || digits.size() > 40)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

int monthFromName(std::u32string_view word) {
    static const std::array<std::array<std::u32string_view, 2>, 12> kForms = {{
        {U"січень", U"січня"},
        {U"лютий", U"лютого"},
        {U"березень", U"березня"},
        {U"квітень", U"квітня"},
        {U"травень", U"травня"},
        {U"червень", U"червня"},
        {U"липень", U"липня"},
        {U"серпень", U"серпня"},
        {U"вересень", U"вересня"},
        {U"жовтень", U"жовтня"},
        {U"листопад", U"листопада"},
        {U"грудень", U"грудня"},
    }};
    std::u32string lower = lowerCase(word);
    if (!lower.empty() && lower.back() == U'.')
        lower.pop_back();
    if (lower.size() < 3)
        return 0;
    for (int month = 0; month < 12; ++month)
        for (std::u32string_view form : kForms[month])
            if (form.substr(0, lower.size()) == lower)
                return month + 1;
    return 0;
}

std::optional<MonthDate> parseMonthDate(std::u32string_view text) {
    const auto number = [&](std::size_t from, std::size_t count) {
        int value = 0;
        for (std::size_t i = from; i < from + count; ++i)
            value = value * 10 + static_cast<int>(text[i] - U'0');
        return value;
    };
    const std::size_t first = leadingDigits(text);
    MonthDate date;
    if ((first == 1 || first == 2) && text.size() == first + 5 &&
        (text[first] == U'.' || text[first] == U'/') &&
        leadingDigits(text.substr(first + 1)) == 4) {
        date = {number(first + 1, 4), number(0, first)};
    } else if (first == 4 && text.size() >= 6 && text.size() <= 7 && text[4] == U'-' &&
               leadingDigits(text.substr(5)) == text.size() - 5) {
        date = {number(0, 4), number(5, text.size() - 5)};
    } else {
        return std::nullopt;
    }
    if (date.month < 1 || date.month > 12 || date.year < 1900 || date.year > 2100)
        return std::nullopt;
    return date;
}

std::vector<Token> tokenise(const Line& line) {
    std::vector<Token> tokens;
    const bool tabbed = line.find_first_of(U"\t;|") != Line::npos;
    if (tabbed || isCommaSeparated(line)) {
        const auto cells = splitCells(line, tabbed ? U"\t;|" : U",");
        for (std::size_t i = 0; i < cells.size(); ++i)
            tokens.push_back(classify(cells[i], static_cast<int>(i), static_cast<int>(i) + 1));
        while (!tokens.empty() && tokens.back().kind == Token::Kind::Empty)
            tokens.pop_back();
        return tokens;
    }
    for (std::size_t i = 0; i < line.size();) {
        if (isSpace(line[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < line.size() && !isSpace(line[end]))
            ++end;
        Token token = classify(line.substr(i, end - i), static_cast<int>(i), static_cast<int>(end));
        tokens.push_back(std::move(token));
        i = end;
    }
    return tokens;
}

} // namespace rv::import

#include "import/statement_words.h"

#include <algorithm>
#include <array>

namespace rv::import {

namespace {

bool isYearWord(const Token& token) {
    static constexpr std::array<std::u32string_view, 8> kWords = {
        U"рік", U"рік:", U"рік,", U"р.", U"р", U"за", U"звітний", U"року"};
    const std::u32string lower = lowerCase(token.text);
    return token.kind == Token::Kind::Word &&
           std::find(kWords.begin(), kWords.end(), lower) != kWords.end();
}

} // namespace

bool isYear(const Token& token) {
    return token.kind == Token::Kind::Number && token.integer && token.text.size() == 4 &&
           token.value >= kFirstYear && token.value <= kLastYear;
}

bool isEmployerCode(const Token& token) {
    return token.kind == Token::Kind::Number && token.integer && token.text.size() >= 8 &&
           token.text.size() <= 10 && std::all_of(token.text.begin(), token.text.end(), isDigit);
}

bool contains(std::u32string_view text, std::u32string_view part) {
    return text.find(part) != std::u32string_view::npos;
}

bool containsAny(std::u32string_view text, std::initializer_list<std::u32string_view> parts) {
    return std::any_of(parts.begin(), parts.end(),
                       [&](std::u32string_view part) { return contains(text, part); });
}

bool isTotalLabel(std::u32string_view lower) {
    return containsAny(lower, {U"всього", U"разом", U"усього", U"підсумок"});
}

std::optional<int> blockYear(const std::vector<Token>& tokens, std::size_t& next) {
    std::size_t i = 0;
    while (i < tokens.size() && isYearWord(tokens[i]))
        ++i;
    if (i >= tokens.size() || !isYear(tokens[i]))
        return std::nullopt;
    const int year = static_cast<int>(tokens[i].value);
    std::size_t after = i + 1;
    while (after < tokens.size() && isYearWord(tokens[after]))
        ++after;
    const bool yearLine = after == tokens.size();
    // A row follows when a label does, after the insurer's code and mark or at once.
    const auto labelFrom = [&](std::size_t from) {
        for (std::size_t k = from; k < tokens.size() && k <= from + 2; ++k) {
            if (tokens[k].kind != Token::Kind::Word)
                continue;
            std::u32string label;
            for (; k < tokens.size() && tokens[k].kind == Token::Kind::Word; ++k)
                label += lowerCase(tokens[k].text) + U" ";
            return blockLabel(label).has_value();
        }
        return false;
    };
    const bool beforeRow =
        !yearLine && (labelFrom(after) || (isEmployerCode(tokens[after]) && labelFrom(after + 1)));
    if (!yearLine && !beforeRow)
        return std::nullopt;
    next = after;
    return year;
}

std::optional<BlockLabel> blockLabel(std::u32string_view lower) {
    // A label that wraps may show only its first words: "Сума сплачених" / "страхових внесків".
    if (containsAny(lower, {U"внес", U"сплач", U"єсв"}))
        return BlockLabel::Contributions;
    if (containsAny(lower, {U"стаж", U"місяц"}))
        return BlockLabel::Experience;
    if (isTotalLabel(lower))
        return BlockLabel::Total;
    if (containsAny(lower, {U"сума", U"заробіт", U"дох", U"виплат"}))
        return BlockLabel::Wages;
    return std::nullopt;
}

bool isPageFurniture(std::u32string_view lower) {
    if (containsAny(lower, {U"сформовано", U"код перевірки", U"дата формування"}))
        return true;
    // "Сторінка 2 з 7" anywhere on the line.
    for (std::size_t at = lower.find(U"сторінка"); at != std::u32string_view::npos;
         at = lower.find(U"сторінка", at + 1)) {
        std::size_t i = at + 8;
        const auto skipSpaces = [&] {
            while (i < lower.size() && lower[i] == U' ')
                ++i;
        };
        const auto digits = [&] {
            const std::size_t start = i;
            while (i < lower.size() && isDigit(lower[i]))
                ++i;
            return i > start;
        };
        skipSpaces();
        if (!digits())
            continue;
        skipSpaces();
        if (lower.substr(i, 2) == U"із")
            i += 2;
        else if (lower.substr(i, 1) == U"з")
            i += 1;
        else
            continue;
        skipSpaces();
        if (digits())
            return true;
    }
    return false;
}

} // namespace rv::import

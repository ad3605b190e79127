#pragma once

#include "import/import_text.h"

#include <optional>
#include <string_view>
#include <vector>

namespace rv::import {

// The words and numbers that give a statement's lines their meaning.

// The years a statement can name; anything else is an amount or a code.
inline constexpr int kFirstYear = 1900;
inline constexpr int kLastYear = 2100;

// A four-digit year 1900..2100 written as an integer.
bool isYear(const Token& token);

// An insurer's code: ЄДРПОУ (eight digits) or a person's registration number (ten).
bool isEmployerCode(const Token& token);

bool contains(std::u32string_view text, std::u32string_view part);
bool containsAny(std::u32string_view text, std::initializer_list<std::u32string_view> parts);

// "всього", "разом", "усього", "підсумок" (lower case).
bool isTotalLabel(std::u32string_view lower);

// The year that starts a block: a line of the year and its words ("2005 рік", "за 2005 р."),
// or a year before an insurer's code or a row's label ("2000 05512733 1 Сума заробітку").
// `next` is set to the first token after the year and its words.
std::optional<int> blockYear(const std::vector<Token>& tokens, std::size_t& next);

// What a row of a year block holds, by its label.
enum class BlockLabel { Wages, Contributions, Experience, Total };
std::optional<BlockLabel> blockLabel(std::u32string_view lower);

// The footer and header lines that a statement prints on every page: "Сторінка 2 з 7",
// "Сформовано 05.02.2025 10:14:37", "Код перевірки: ...".
bool isPageFurniture(std::u32string_view lower);

} // namespace rv::import

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rv::import {

// A line of a statement as code points, so that a position is a column of the printed layout.
using Line = std::u32string;

// The text of a file or the clipboard: UTF-8 (a byte order mark dropped), or code page 1251
// when the bytes are not UTF-8 (a spreadsheet saved by an older office program).
std::u32string decodeText(std::string_view bytes);
std::string encodeUtf8(std::u32string_view text);

// The lines of a statement's text, cleaned of what PDF viewers and browsers add: no-break and
// narrow spaces (dropped between digits, a space elsewhere), soft hyphens, the three apostrophe
// forms (written as '), Latin letters inside Cyrillic words ("рiк"), numbers broken across two
// lines, page numbers, and page headers repeated on later pages. Empty lines are dropped.
std::vector<Line> normaliseStatement(std::string_view bytes);

// The line as printed, without its leading spaces, in UTF-8: how a line is named to the person.
std::string printedText(const Line& line);

// Lower case for the Latin and Ukrainian (Cyrillic) letters; other code points stay.
std::u32string lowerCase(std::u32string_view text);

// A cell of a line. Columns count code points; in a line of tab- or semicolon-separated cells
// the column is the cell's number, so a cell left empty keeps its place.
struct Token {
    enum class Kind { Number, Empty, Word };
    Kind kind = Kind::Word;
    std::u32string text;
    double value = 0;     // Number: the amount
    bool integer = false; // Number: written without a fractional part
    int begin = 0;        // first column
    int end = 0;          // one past the last column
};

// The cells of a line: numbers (a decimal comma or point; thousands groups that a no-break space
// joins), dashes as empty cells, dates such as "03.2005" and every other run of characters as
// words. Groups that a plain space separates are pieces of their own: the row's reader joins
// them (import/amount_cells.h).
std::vector<Token> tokenise(const Line& line);

// An amount as people write it: "8 923,05", "8923.05", "1 234 567"; nullopt for anything else.
// Grammar: digits { (space | no-break space) three-digits } [ ("," | ".") digits ].
std::optional<double> parseAmount(std::u32string_view text);

// The calendar month 1..12 of a month's name or its usual abbreviation ("березень", "берез.",
// "бер"), in any case; 0 when the word names no month.
int monthFromName(std::u32string_view word);

// "03.2005", "3.2005", "03/2005", "2005-03": {year, month 1..12}.
struct MonthDate {
    int year = 0;
    int month = 0;
};
std::optional<MonthDate> parseMonthDate(std::u32string_view text);

bool isDigit(char32_t character);

} // namespace rv::import

#pragma once

#include "import/import_text.h"
#include "import/reading_builder.h"

#include <string>
#include <vector>

namespace rv::import {

// The month records of a statement of wages and contributions (ОК-7): one row per month and
// insurer, "01.2019 42177308 ТОВ «…» 1 11 952,03 2 629,45 1" or with the year and the month in
// columns of their own ("2019 01 42177308 …"): the period, the insurer's code and name, the
// category of the insured person, the wages, the contribution and the experience. A name that
// the copy broke over lines is followed to the record's numbers.
class MonthRecords {
public:
    explicit MonthRecords(ReadingBuilder& out) : m_out(out) {}

    bool readLine(const Line& line, const std::vector<Token>& tokens);
    // A header that names the category column: a one- or two-digit number before the wages is
    // that category even where it could be a thousands group ("1 952,03").
    void noteCategoryColumn() { m_categoryColumn = true; }
    // A total line after the records ("Всього за 2019 рік …"): it holds no month.
    bool isRecordTotal(std::u32string_view lower) const;
    void finish();

private:
    struct Record {
        int year = 0;
        int month = 0;
        std::string employer;
        std::vector<Token> tokens; // after the code, the lines of a broken record joined
        std::string text;
        int lines = 1;
    };
    struct Figures;

    static bool hasAmounts(const Record& record);
    std::optional<Figures> figuresOf(const Record& record, bool category) const;

    ReadingBuilder& m_out;
    std::vector<Record> m_records;
    bool m_pending = false;
    bool m_categoryColumn = false;
};

} // namespace rv::import

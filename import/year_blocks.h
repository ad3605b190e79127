#pragma once

#include "import/reading_builder.h"
#include "import/table_columns.h"

#include <string>
#include <vector>

namespace rv::import {

// The year blocks of a statement of insured earnings (ОК-5) and of a certificate of year rows:
// a year, then for each insurer its code, a mark ("Ознака"), and rows of twelve months and a
// total — the earnings, the contributions, the experience — and the block's totals. The year
// may stand on a line of its own or begin the block's first row. A block is read when it ends,
// so that the experience row can tell which months the amounts of a row with empty cells
// belong to.
class YearBlocks {
public:
    explicit YearBlocks(ReadingBuilder& out) : m_out(out) {}

    // The last header of month columns ("1 2 ... 12 Всього", "Січ ... Гру").
    void setMonthColumns(std::vector<Column> columns) { m_columns = std::move(columns); }
    const std::vector<Column>& monthColumns() const { return m_columns; }

    // Takes a line that starts a block or belongs to the current one; false when it is neither.
    bool readLine(const Line& line, const std::vector<Token>& tokens, bool separated);
    // Reads the current block, if any.
    void endBlock();
    bool inBlock() const { return m_year != 0; }

private:
    enum class RowKind { Wages, Contributions, Experience, Total };
    struct Row {
        RowKind kind = RowKind::Wages;
        std::string employer;
        std::vector<Token> numbers; // its number and dash tokens
        std::string text;           // as printed, for the unread list
        std::vector<Column> columns;
        bool separated = false;
        bool labelled = false;
    };
    struct Group; // an insurer's rows

    void readGroup(const Group& group, std::vector<double>& monthSums);
    void readTotals(const Row& row, const std::vector<double>& monthSums, bool allRead);
    std::optional<std::vector<std::optional<double>>> experienceOf(const Row& row) const;

    ReadingBuilder& m_out;
    std::vector<Column> m_columns;
    int m_year = 0;
    std::vector<Row> m_rows;
    bool m_pending = false; // the last row has a label and waits for its numbers
};

} // namespace rv::import

#include "import/year_blocks.h"

#include "import/import_messages.h"
#include "import/statement_words.h"

#include <algorithm>
#include <numeric>

namespace rv::import {

namespace {

using Kind = Token::Kind;

constexpr std::size_t kMonths = kMonthsInRow;

bool isCellToken(const Token& token) {
    return token.kind == Kind::Number || token.kind == Kind::Empty;
}

// The month values placed into the months that have experience, in order.
std::optional<std::vector<Placed>>
placeByExperience(const std::vector<Cell>& cells, bool withTotal,
                  const std::vector<std::optional<double>>& months) {
    std::vector<int> worked;
    for (std::size_t m = 0; m < months.size(); ++m)
        if (months[m].value_or(0) > 0)
            worked.push_back(static_cast<int>(m) + 1);
    const std::size_t values = cells.size() - (withTotal ? 1 : 0);
    if (worked.empty() || worked.size() != values)
        return std::nullopt;
    std::vector<Placed> placed;
    for (std::size_t i = 0; i < values; ++i)
        placed.push_back({worked[i], cells[i].amount});
    if (withTotal)
        placed.push_back({kTotalColumn, cells.back().amount});
    return placed;
}

bool samePlaces(const std::vector<Placed>& a, const std::vector<Placed>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const Placed& x, const Placed& y) { return x.key == y.key; });
}

} // namespace

struct YearBlocks::Group {
    const Row* wages = nullptr;
    const Row* experience = nullptr;
};

bool YearBlocks::readLine(const Line& line, const std::vector<Token>& tokens, bool separated) {
    std::size_t i = 0;
    if (const std::optional<int> year = blockYear(tokens, i)) {
        // A form that prints the year on every row of its block goes on with the same block.
        if (*year != m_year) {
            endBlock();
            m_year = *year;
            m_out.coverYear(m_year);
        }
        if (i == tokens.size())
            return true;
    }
    if (m_year == 0 || i >= tokens.size())
        return false;
    Row row;
    row.columns = m_columns;
    row.separated = separated;
    row.text = printedText(line);
    if (isEmployerCode(tokens[i])) {
        row.employer = encodeUtf8(tokens[i].text);
        ++i;
        // The insurer's mark ("Ознака") before the row's label.
        if (i + 1 < tokens.size() && tokens[i].kind == Kind::Number && tokens[i].integer &&
            tokens[i].text.size() <= 2 && tokens[i + 1].kind == Kind::Word)
            ++i;
    }
    std::u32string label;
    for (; i < tokens.size() && tokens[i].kind == Kind::Word; ++i)
        label += lowerCase(tokens[i].text) + U" ";
    for (; i < tokens.size(); ++i)
        if (isCellToken(tokens[i]))
            row.numbers.push_back(tokens[i]);
    row.labelled = !label.empty();
    if (row.labelled) {
        const std::optional<BlockLabel> kind = blockLabel(label);
        if (!kind)
            return false;
        row.kind = *kind == BlockLabel::Contributions ? RowKind::Contributions
                   : *kind == BlockLabel::Experience  ? RowKind::Experience
                   : *kind == BlockLabel::Total       ? RowKind::Total
                                                      : RowKind::Wages;
    } else if (row.employer.empty()) {
        if (row.numbers.empty())
            return false;
        if (m_pending) {
            // The numbers of the labelled row before, which the copy put on a line of their own.
            m_rows.back().numbers = std::move(row.numbers);
            m_rows.back().columns = m_columns;
            m_pending = false;
            return true;
        }
        if (moneyCells(row.numbers).size() < kMonths)
            return false;
    }
    m_pending = row.numbers.empty();
    m_rows.push_back(std::move(row));
    return true;
}

void YearBlocks::endBlock() {
    if (m_year == 0)
        return;
    std::vector<Group> groups;
    const Row* yearExperience = nullptr;
    std::vector<const Row*> totals;
    for (const Row& row : m_rows) {
        if (row.numbers.empty())
            continue;
        switch (row.kind) {
        case RowKind::Wages:
            groups.push_back({&row, nullptr});
            break;
        case RowKind::Experience:
            if (!groups.empty() && !groups.back().experience &&
                (row.employer.empty() || row.employer == groups.back().wages->employer))
                groups.back().experience = &row;
            else
                yearExperience = &row;
            break;
        case RowKind::Total:
            totals.push_back(&row);
            break;
        case RowKind::Contributions:
            break;
        }
    }
    // One experience row after several insurers' rows is the year's.
    const auto own = std::count_if(groups.begin(), groups.end(),
                                   [](const Group& group) { return group.experience; });
    if (groups.size() >= 2 && own == 1 && groups.back().experience &&
        groups.back().experience->employer.empty()) {
        yearExperience = groups.back().experience;
        groups.back().experience = nullptr;
    }
    if (groups.size() == 1 && !groups.front().experience)
        groups.front().experience = yearExperience;

    std::vector<double> monthSums(kMonths + 1, 0);
    const std::size_t unreadBefore = m_out.result().unread.size();
    for (const Group& group : groups)
        readGroup(group, monthSums);
    if (yearExperience)
        if (const auto months = experienceOf(*yearExperience))
            for (std::size_t m = 0; m < kMonths; ++m)
                if ((*months)[m])
                    m_out.setExperience(m_year, static_cast<int>(m) + 1, *(*months)[m]);
    const bool allRead = m_out.result().unread.size() == unreadBefore;
    for (const Row* row : totals)
        readTotals(*row, monthSums, allRead);
    m_rows.clear();
    m_pending = false;
    m_year = 0;
}

std::optional<std::vector<std::optional<double>>> YearBlocks::experienceOf(const Row& row) const {
    std::vector<Cell> cells = plainCells(row.numbers);
    std::vector<std::optional<double>> months(kMonths);
    const bool valuesFit = std::all_of(
        cells.begin(), cells.end(), [](const Cell& cell) { return cell.amount.value_or(0) <= 1; });
    if (cells.size() == kMonths + 1 || (cells.size() == kMonths && valuesFit)) {
        for (std::size_t m = 0; m < kMonths; ++m)
            months[m] = cells[m].amount.value_or(0);
        return months;
    }
    const auto placed = placeByColumns(cells, row.columns, row.separated);
    if (!placed)
        return std::nullopt;
    for (const Placed& cell : *placed)
        if (cell.key >= 1 && cell.key <= static_cast<int>(kMonths))
            months[static_cast<std::size_t>(cell.key) - 1] = cell.amount.value_or(0);
    return months;
}

void YearBlocks::readGroup(const Group& group, std::vector<double>& monthSums) {
    const Row& row = *group.wages;
    std::vector<Cell> cells = moneyCells(row.numbers);
    // A mark printed before the months of a row without a label: "12345678  1  1 000,00 ...".
    const bool leadingMark = !row.employer.empty() && !row.labelled && !cells.empty() &&
                             cells.front().integer && cells.front().text.size() <= 2;
    if (leadingMark &&
        (cells.size() == kMonths + 2 || (cells.size() == kMonths + 1 && !endsWithTotal(cells))))
        cells.erase(cells.begin());
    const std::optional<std::vector<std::optional<double>>> experience =
        group.experience ? experienceOf(*group.experience) : std::nullopt;
    const std::string where =
        std::to_string(m_year) + " р." +
        (row.employer.empty() ? std::string() : messages::kImportEmployer + row.employer);

    std::optional<std::vector<Placed>> placed;
    bool unconfirmed = false;
    const bool withTotal = endsWithTotal(cells);
    if (cells.size() == kMonths + 1 || (cells.size() == kMonths && !withTotal)) {
        placed = monthsInOrder(cells, cells.size() == kMonths + 1);
    } else {
        const auto byColumns = placeByColumns(cells, row.columns, row.separated);
        const auto byExperience =
            experience ? placeByExperience(cells, withTotal, *experience) : std::nullopt;
        placed = byColumns ? byColumns : byExperience;
        unconfirmed = byColumns && byExperience && !samePlaces(*byColumns, *byExperience);
    }
    const bool integers =
        std::all_of(cells.begin(), cells.end(), [](const Cell& cell) { return cell.integer; });
    if (!placed && integers) {
        // Integers one space apart: the reading whose months add up to the printed total.
        if (const auto confirmed = splitConfirmedByTotal(row.numbers))
            placed = monthsInOrder(*confirmed, true);
    }
    if (!placed) {
        m_out.flag(m_year, 0, ImportFlagCode::Unconfirmed,
                   where + messages::kImportUnplacedRow + row.text +
                       messages::kImportUnplacedRowSuffix);
        m_out.unread(row.text);
        return;
    }
    if (unconfirmed)
        m_out.flag(m_year, 0, ImportFlagCode::Unconfirmed,
                   where + messages::kImportPlacementUnconfirmed);

    double sum = 0;
    std::optional<double> total;
    for (const Placed& cell : *placed) {
        if (cell.key == kTotalColumn) {
            total = cell.amount;
        } else if (cell.key >= 1 && cell.amount) {
            const bool worked =
                experience && (*experience)[static_cast<std::size_t>(cell.key) - 1].value_or(0) > 0;
            if (*cell.amount > 0 || worked)
                m_out.addAmount(m_year, cell.key, *cell.amount, row.employer);
            monthSums[static_cast<std::size_t>(cell.key)] += *cell.amount;
            sum += *cell.amount;
        }
    }
    if (experience && group.experience != nullptr)
        for (std::size_t m = 0; m < kMonths; ++m)
            if ((*experience)[m].value_or(0) > 0)
                m_out.addExperience(m_year, static_cast<int>(m) + 1, *(*experience)[m]);
    m_out.checkRowTotal(m_year, where, sum, total);
}

void YearBlocks::readTotals(const Row& row, const std::vector<double>& monthSums, bool allRead) {
    const std::vector<Cell> cells = moneyCells(row.numbers);
    if (!allRead || cells.empty())
        return;
    if (cells.size() == 1 && cells.front().amount) {
        const double sum = std::accumulate(monthSums.begin(), monthSums.end(), 0.0);
        if (centsOf(sum) != centsOf(*cells.front().amount))
            m_out.flag(m_year, 0, ImportFlagCode::TotalMismatch,
                       std::to_string(m_year) + messages::kImportYearTotalMismatch +
                           formatAmount(sum) + messages::kImportTotalMismatchPrinted +
                           formatAmount(*cells.front().amount));
        return;
    }
    std::optional<std::vector<Placed>> placed;
    if (cells.size() == kMonths || cells.size() == kMonths + 1)
        placed = monthsInOrder(cells, cells.size() == kMonths + 1);
    else
        placed = placeByColumns(cells, row.columns, row.separated);
    if (!placed)
        return;
    for (const Placed& cell : *placed)
        if (cell.key >= 1 && cell.amount &&
            centsOf(*cell.amount) != centsOf(monthSums[static_cast<std::size_t>(cell.key)]))
            m_out.flag(m_year, cell.key, ImportFlagCode::TotalMismatch,
                       monthName(m_year, cell.key) + messages::kImportColumnTotalMismatch +
                           formatAmount(monthSums[static_cast<std::size_t>(cell.key)]) +
                           messages::kImportTotalMismatchPrinted + formatAmount(*cell.amount));
}

} // namespace rv::import

#pragma once

#include "calc/calculation.h"
#include "calc/case.h"
#include "calc/ledger_view.h"
#include "calc/reference.h"

#include <optional>
#include <string>
#include <vector>

namespace rv {

// One figure of the protocol: its caption, its value as the results panel shows it, the formula
// with the numbers (the panel's hint) and where in the law it comes from.
struct ProtocolFigure {
    std::string caption;
    std::string value;
    std::string formula; // empty: none
    std::string article; // empty: none
    ResultField ResultTexts::*repeats = nullptr; // the result it repeats; none: null
};

// How a row of a protocol table stands out.
enum class RowMark { None, EarlyWindow, Excluded, NotCounted, Estimated };

struct ProtocolTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows{};
    std::vector<RowMark> marks{};      // one per row
    std::vector<int> relativeWidths{}; // one per column; empty: equal
};

// A numbered part of the protocol, laid out in this order: figures, the chart (the ledger's
// part), paragraphs, tables, closing paragraphs.
struct ProtocolSection {
    std::string title;
    std::vector<ProtocolFigure> figures{};
    std::vector<std::string> tableTitles{}; // one per table
    std::vector<ProtocolTable> tables{};
    std::vector<std::string> paragraphs{};
    std::vector<std::string> closing{};
    bool chart = false;
};

// The protocol of a calculation ("Протокол розрахунку") as plain data: the window and
// ravelta-calc only lay it out, so both give the same document.
struct Protocol {
    std::string title;
    std::string personName;
    std::string madeLine; // the date and time it was made, the program's version, the data's date
    std::vector<ProtocolSection> sections;
    std::vector<LedgerMonthView> chart; // the months of the earnings chart
};

// What the protocol says of its making: the caller's clock and the program's version.
struct ProtocolMaking {
    std::string madeAt;         // "10.12.2026 17:05"
    std::string programVersion; // "1.2"
    char decimalSeparator = ',';
};

// The protocol of `result`, the calculation just made of `open` with `reference` (with the same
// decimal separator); the ledger's months are those `open` holds, as the calculation left them.
Protocol buildProtocol(const Case& open, const Reference& reference,
                       const CalculationResult& result, const ProtocolMaking& making);

// The newest begin date of the reference tables' rows (the monthly and yearly average wages, the
// minimum wages, the coefficients, the subsistence minimums, the maximum incomes): the date the
// reference data reach.
std::optional<Date> referenceDataDate(const Reference& reference);

} // namespace rv

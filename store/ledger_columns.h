#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace rv {

// What a ledger column holds; it decides the column's number form wherever it is shown.
enum class LedgerColumnKind {
    Year,
    MonthName,     // the month's name, looked up
    CalendarMonth, // 1..12 (the table keeps 0..11)
    Money,         // hryvnias and kopecks
    AverageWage,   // hryvnias, more decimals before the 1996 reform
    Coefficient,
    Days,
    Mark, // a mark of an optimisation
};

// One column of the earnings ledger (cdsEarning), described once for the earnings grid, the
// earnings dump and the JSON ledger of ravelta-calc.
struct LedgerColumn {
    std::string_view field;
    LedgerColumnKind kind;
    bool shown;                 // a column of the grid and of the dump
    std::string_view gridTitle; // empty: the field's label
    std::string_view dumpTitle;
    int gridWidth;             // pixels, before the grid scales its columns to its width
    std::string_view jsonName; // empty: not in the JSON ledger
};

inline constexpr std::array<LedgerColumn, 12> kLedgerColumns = {{
    {"earning_year", LedgerColumnKind::Year, true, {}, "Рік", 50, "year"},
    {"earning_month_name", LedgerColumnKind::MonthName, true, {}, "Місяць", 76, {}},
    {"earning_month", LedgerColumnKind::CalendarMonth, false, {}, {}, 0, "month"},
    {"earning_min_zp", LedgerColumnKind::Money, true, "Мінімальна ЗП по НГ в Україні *",
     "мінімальна ЗП", 110, "min_zp"},
    {"earning_avg_zp", LedgerColumnKind::AverageWage, true, {}, "Середня ЗП", 110, "avg_zp"},
    {"earning_avg_zp_year", LedgerColumnKind::AverageWage, false, {}, {}, 0, "avg_zp_year"},
    {"earning_payment", LedgerColumnKind::Money, true, "Заробіток, грн **", "Заробіток", 120,
     "payment"},
    {"earning_k", LedgerColumnKind::Coefficient, true, "Коефіцієнт ЗП місячний ***", "Коефіцієнт",
     110, "k"},
    {"earning_day", LedgerColumnKind::Days, true, "Зараховано до СС, днів *", "Зараховано днів",
     100, "day"},
    {"earning_month_day", LedgerColumnKind::Days, false, {}, {}, 0, "month_day"},
    {"earning_opt1", LedgerColumnKind::Mark, true,
     "Враховано заробітки до 07-2000 після оптимізації", "Опт1", 150, "opt1"},
    {"earning_opt2", LedgerColumnKind::Mark, true, "Виключено заробітки після оптимізації", "Опт2",
     150, "opt2"},
}};

// The position of `field` among the shown columns (the grid's column), or -1.
constexpr int shownLedgerColumnOf(std::string_view field) {
    int position = 0;
    for (const LedgerColumn& column : kLedgerColumns) {
        if (!column.shown)
            continue;
        if (column.field == field)
            return position;
        ++position;
    }
    return -1;
}

} // namespace rv

#include "store/period_view.h"

#include "calc/periods.h"
#include "engine/table.h"
#include "store/dmMain.h"
#include "store/period_totals.h"

#include <cstdint>

namespace rv {

namespace {

std::int64_t daysOf(const std::vector<CasePeriod>& periods) {
    std::int64_t days = 0;
    for (const CasePeriod& period : periods)
        if (period.begin && period.finish && !(*period.finish < *period.begin))
            days += period.finish->serial - period.begin->serial + 1;
    return days;
}

} // namespace

std::vector<CasePeriod> periodsInView(const Table& periods) {
    const int begin = periods.fieldIndex("exp_date_begin");
    const int finish = periods.fieldIndex("exp_date_finish");
    const int kind = periods.fieldIndex("exp_kind");
    std::vector<CasePeriod> read;
    read.reserve(static_cast<std::size_t>(periods.recordCount()));
    for (int row = 0; row < periods.recordCount(); ++row)
        read.push_back({dateOrNone(periods.viewValue(row, begin)),
                        dateOrNone(periods.viewValue(row, finish)),
                        kindOrWork(periods.viewValue(row, kind))});
    return read;
}

YearsMonthsDays experienceTotal(const Table& periods) {
    const YearsMonthsDays summed = sumPeriodLengths(periods);
    const std::vector<CasePeriod> rows = periodsInView(periods);
    const std::vector<CasePeriod> once = periodsCountedOnce(rows);
    // Work is cut around a credited period only where they share days.
    if (daysOf(once) == daysOf(rows))
        return summed;
    YearsMonthsDays total;
    for (const CasePeriod& piece : once) {
        if (!piece.begin || !piece.finish || *piece.finish < *piece.begin)
            continue;
        const YearsMonthsDays length = ExpPeriodYMD(*piece.begin, *piece.finish);
        total.years += length.years;
        total.months += length.months;
        total.days += length.days;
    }
    NormalizeYMD(total);
    return total;
}

} // namespace rv

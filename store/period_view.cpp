#include "store/period_view.h"

#include "calc/periods.h"
#include "engine/table.h"
#include "store/dmMain.h"
#include "store/period_totals.h"

namespace rv {

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
    // Periods that share days are one span, as the calculation counts them.
    const std::vector<CasePeriod> spans = experienceSpans(rows);
    if (spans.size() == rows.size())
        return summed;
    return periodsLength(spans);
}

} // namespace rv

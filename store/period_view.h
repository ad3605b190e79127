#pragma once

#include "calc/calendar.h"
#include "calc/case.h"

#include <vector>

namespace rv {

class Table;

// The period table's rows in its current view as the core reads them (dates and kind), read in
// place: the cursor and a row being typed stay as they are. The experience footer reads them
// before "Підтвердити стаж" has checked them, so they may overlap.
std::vector<CasePeriod> periodsInView(const Table& periods);

// The experience footer's total: the rows' lengths as sumPeriodLengths adds them (a damaged
// length throws ConversionError), except that periods sharing days (a credited period on work)
// are one span, as the calculation counts them (ст. 24).
YearsMonthsDays experienceTotal(const Table& periods);

} // namespace rv

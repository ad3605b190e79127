#pragma once

#include "calc/calendar.h"

namespace rv {

class Table;

// The sum of the lengths ("years/months/days") of the period table's rows in its current view,
// normalised: what the experience grid's footer shows. The rows are read in place: the cursor
// and a row being typed stay as they are. Throws ConversionError with a Ukrainian text when a
// length cannot be read or the sum does not fit.
YearsMonthsDays sumPeriodLengths(const Table& periods);

} // namespace rv

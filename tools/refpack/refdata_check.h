#pragma once

#include "refdata_csv.h"

namespace rv::refdata {

// Checks one dated reference table before it is packed; throws RefdataError naming the file and
// line of the first fault:
// - `begin` a valid date dd.mm.yyyy, `end` empty or a valid date not before `begin`;
// - `value` a finite number: 1*DIGIT ["." 1*DIGIT]; a `type` column a 32-bit integer;
// - begin dates in ascending order (equal ones only in different timelines);
// - within a timeline no overlap, and only its last row may have an empty end.
void checkReferenceTable(const CsvFile& csv, const ReferenceTableLayout& layout);

} // namespace rv::refdata

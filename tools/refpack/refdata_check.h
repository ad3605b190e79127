#pragma once

#include "refdata_csv.h"

namespace rv::refdata {

// Checks one dated reference table before it is packed; throws RefdataError naming the file and
// line of the first fault:
// - at least one row: the program has no figure of a table's kind without one;
// - `begin` a valid date dd.mm.yyyy, `end` empty or a valid date not before `begin`;
// - `value` a finite number: 1*DIGIT ["." 1*DIGIT]; a `type` column a 32-bit integer;
// - begin dates in ascending order (equal ones only in different timelines);
// - within a timeline no overlap, and only its last row may have an empty end.
void checkReferenceTable(const CsvFile& csv, const ReferenceTableLayout& layout);

// Checks the stored parameters (storedParameterTexts, in the order of kStoredParameterNames):
// each is a number of years within a lifetime, 1..150; throws RefdataError naming the first that
// is not.
void checkStoredParameters(const std::array<std::string, 5>& texts);

} // namespace rv::refdata

#pragma once

#include "refdata_csv.h"

#include <string>
#include <string_view>

namespace rv::refdata {

// The flags of one source text as a bit set of SourceFlag: each flag's code standing as a whole
// word anywhere in the text. Throws RefdataError (naming `where`) for a marker it cannot read:
// words of four or more capital latin letters followed by ':' (as "ESTIMATE:" opens a note) that
// neither begin with a flag's code nor are one of the known notes (CONFIRMED, NOTE, CONFLICT,
// INFERRED, WEAK SOURCE).
unsigned sourceFlags(std::string_view source, const std::string& where);

// The provenance text of one reference table:
// text := *row-line LF *source-line ; row-line := begin ";" end ";" key ";" flags ";" index LF
// `key` is the row's timeline (the coefficient type) or empty, `flags` the bits in decimal,
// `index` the 0-based number of its source among the source lines, which hold each distinct
// source once in the order of first use.
std::string provenanceText(const CsvFile& csv, const ReferenceTableLayout& layout);

} // namespace rv::refdata

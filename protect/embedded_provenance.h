#pragma once

#include <string_view>

namespace rv {

// The provenance text that refpack made at build time of the reference CSV `fileName`
// ("AvgZpMonth.csv"): every row's dates, timeline, flags and source (grammar in
// tools/refpack/provenance.h); empty for a file it did not pack. Plain text, apart from the
// enciphered reference data, so that start-up never reads it.
std::string_view EmbeddedProvenance(std::string_view fileName);

} // namespace rv

#pragma once

#include "engine/date.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rv {

// Where one reference row's figure comes from: its dates (both inclusive, no end while in
// force), its timeline (the coefficient type of cdsKoeff, else empty), its SourceFlag bits and
// its source text as the CSV holds it.
struct SourcedRow {
    std::optional<Date> begin;
    std::optional<Date> end;
    std::string key;
    unsigned flags = 0;
    std::string_view source; // points into the embedded text
};

// Reads a provenance text as refpack writes it (tools/refpack/provenance.h). The text is the
// program's own, checked when it was packed: a line it cannot read is left out.
std::vector<SourcedRow> parseProvenance(std::string_view text);

// The sourced rows of the reference CSV `fileName` ("MinZP.csv"), in file order, read from the
// program's embedded data on each call.
std::vector<SourcedRow> referenceProvenance(std::string_view fileName);

// The row in force on `day` in the timeline `key`; none where no row covers the day.
const SourcedRow* sourcedRowOn(const std::vector<SourcedRow>& rows, Date day,
                               std::string_view key = {});

// The flags in Ukrainian, joined by ", "; empty without flags.
std::string sourceFlagsText(unsigned flags);

} // namespace rv

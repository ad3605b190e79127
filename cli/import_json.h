#pragma once

#include "calc/reference.h"
#include "import/statement_reading.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

namespace rv::cli {

// What an import source gave, or why it gave nothing.
struct ImportOutcome {
    import::StatementReading reading;
    std::vector<import::ImportFlag> flags; // the reading's and the reference data's
    std::optional<std::string> failure;    // the whole sentence, when no month was found
};

// Reads an import source (a PDF's text, a statement's or a certificate's text, a CSV or TSV)
// and flags its months against the reference data.
ImportOutcome readImportSource(const Reference& reference, const std::string& bytes);

// {"person": {"name", "rnokpp", "rnokpp_valid", "birthdate"} or null,
//  "earnings": [{"year", "month" (1..12), "amount", "experience_months" (or null)}],
//  "flags": [{"year", "month" (1..12, null for the whole year), "code", "text"}],
//  "unread": [lines it could not place]}
nlohmann::ordered_json importJson(const ImportOutcome& outcome);

} // namespace rv::cli

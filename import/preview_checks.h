#pragma once

#include "calc/case.h"
#include "calc/reference.h"
#include "import/import_preview.h"
#include "import/statement_reading.h"

#include <string>
#include <vector>

namespace rv::import {

// What the preview shows beside a reading's months, worked out against the case as it stands;
// made again when the case changes under the open preview (a period added).
struct PreviewChecks {
    std::vector<ImportFlag> flags;        // previewFlags with the case's ledger
    std::vector<MonthRun> outsideLedger;  // the runs no period covers
    std::vector<std::string> otherPerson; // why the statement may be another person's
};

PreviewChecks checkReading(const Reference& reference, const StatementReading& reading,
                           const std::vector<CaseMonth>& months, const CasePerson& person);

// The employment period that covers a run of months whole: from the first day of its first
// month to the last day of its last.
CasePeriod periodOfRun(const MonthRun& run);

} // namespace rv::import

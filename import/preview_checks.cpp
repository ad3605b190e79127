#include "import/preview_checks.h"

#include "calc/calendar.h"

namespace rv::import {

PreviewChecks checkReading(const Reference& reference, const StatementReading& reading,
                           const std::vector<CaseMonth>& months, const CasePerson& person) {
    PreviewChecks checks;
    checks.flags = previewFlags(reference, reading, &months);
    checks.outsideLedger = monthsOutsideLedger(reading, months);
    if (reading.person)
        checks.otherPerson = otherPersonReasons(*reading.person, person);
    return checks;
}

CasePeriod periodOfRun(const MonthRun& run) {
    return {MonthStart(run.first),
            dateFromCivil(run.last.year, calendarMonth(run.last), MonthLength(run.last))};
}

} // namespace rv::import

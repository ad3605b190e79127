#pragma once

// Cases built as values, the way a person enters them: the person, the periods, the ledger built
// from them and each month's earning, through the functions of calc/case_entry.h.

#include "calc/calculation.h"
#include "calc/case.h"
#include "calc/reference.h"
#include "engine/date.h"

#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

namespace rv::testing_support {

// Parses "dd.mm.yyyy"; the test fails loudly on a bad literal.
Date day(const char* text);

// The program's own reference data, unpacked once for the test binary.
const std::shared_ptr<const Reference>& lawReference();

// The program's reference with some of its rows changed.
std::shared_ptr<const Reference>
changedReference(const std::function<void(ReferenceRows&)>& change);

// A period; nullptr leaves its date out.
CasePeriod period(const char* begin, const char* finish);
std::vector<CasePeriod> periodsOf(const std::vector<std::pair<const char*, const char*>>& dates);

// A ledger month with only its days: credited to the experience and covered by the periods.
CaseMonth monthWithDays(int year, int month0, int credited, int covered);

// Every month of a year covered and credited in full, but for the months in `except`.
std::vector<CaseMonth> fullYear(int year, const std::vector<CaseMonth>& except = {});

// The person confirmed, the periods checked and their ledger built, as the person panel and the
// period table do it; throws std::logic_error with the refusal's text when a step refuses.
Case enteredCase(const CasePerson& person, const std::vector<CasePeriod>& periods,
                 const Reference& reference);

// Enters the earning of every month of the ledger: `earning(month)`, 0 leaves the month as it is.
void earnEveryMonth(Case& person, const Reference& reference,
                    const std::function<double(const CaseMonth&)>& earning);

// `factor` times the month's average wage, to the kopeck.
std::function<double(const CaseMonth&)> timesTheAverageWage(double factor);

// Enters the earnings of the months given.
void enterEarnings(Case& person, const std::map<LedgerMonth, double>& earnings,
                   const Reference& reference);

// The case calculated for `applicationDate` with its texts (numbers with "."); the months take
// the calculation's marks, as the window and the calculator keep them.
CalculationResult calculated(Case& person, const Reference& reference, Date applicationDate);

} // namespace rv::testing_support

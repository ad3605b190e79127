#pragma once

#include "calc/case.h"
#include "calc/reference.h"

#include <cstdint>
#include <optional>

namespace rv {

// The earning that counts (ст. 40): from the law's month on, at most the maximum income subject
// to contributions.
double capEarning(const Reference& reference, LedgerMonth month, double earning);

// Коефіцієнт заробітної плати за місяць (ст. 40): the capped earning over the month's average
// wage, to 5 places; before the maximum income the law's cap of the coefficient. Throws
// UserError naming the month when its average wage is 0.
double wageCoefficient(const Reference& reference, LedgerMonth month, double earning,
                       double averageWage);

// Days of the month credited to insurance experience (ст. 24 ч. 3): before the law's day the
// days the periods cover; from it the whole month when the capped earning reaches the minimum
// wage, else its share of the month.
std::uint16_t creditedDays(const Reference& reference, LedgerMonth month, double earning,
                           double minimumWage, int coveredDays);

// Evaluates a month just made from the periods as evaluateMonth does, except that a law book
// without the ledger's rules is refused before the month's own faults.
void evaluateMadeMonth(CaseMonth& month, const Reference& reference,
                       std::optional<Date> lawDay = std::nullopt);

// Works out the month's coefficient and credited days from its earning, kind and figures. The
// kind's rules are those of `lawDay` (the assignment date, or the application date before it is
// known; none: the latest): a month whose kind carries the minimum wage in Кз (ст. 40 ч. 2) gets
// it as its earning, a month of a kind credited in full counts whole (ст. 11, 24). Throws
// UserError for a negative earning or a month without an average wage.
void evaluateMonth(CaseMonth& month, const Reference& reference,
                   std::optional<Date> lawDay = std::nullopt);

} // namespace rv

#pragma once

#include "calc/case.h"
#include "calc/credited_rules.h"
#include "calc/optimisations.h"
#include "calc/reference.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace rv {

// Why the month may be left out of Кз at the person's wish for an assignment on
// `assignmentDate` (ст. 40 ч. 1 абз. 3, the second sentence); None: it may not. Of several
// reasons, the first of: service, study or care before 2005; a credited kind; martial law; the
// quarantine.
ExtraExclusion extraExclusionOf(const CreditedRules& rules, const CaseMonth& month,
                                Date assignmentDate);

// What the rules offer for one assignment date, found once for all the months.
struct ExclusionOffer {
    KindSet nonWageKinds; // in the months of `nonWageMonths`
    std::optional<DaySpan> nonWageMonths;
    KindSet categoryKinds;                   // in any month
    std::optional<DaySpan> martialLawMonths; // none: not offered
    std::optional<DaySpan> quarantineMonths; // none: not offered
};
ExclusionOffer exclusionOfferOn(const CreditedRules& rules, Date assignmentDate);
ExtraExclusion extraExclusionOf(const ExclusionOffer& offer, const CaseMonth& month);

// The code of a reason as the calculator writes it: "pre2005_nonwage", "credited",
// "martial_law", "quarantine"; empty for None.
std::string_view exclusionCode(ExtraExclusion reason);

// The reasons, in the order the law names them.
inline constexpr ExtraExclusion kExtraExclusions[] = {
    ExtraExclusion::NonWage, ExtraExclusion::Credited, ExtraExclusion::MartialLaw,
    ExtraExclusion::Quarantine};

// The reason as the ledger shows it: "виключено: воєнний стан"; empty for None.
std::string_view exclusionTitle(ExtraExclusion reason);

// The reason of a code; None for an empty or unknown code.
ExtraExclusion exclusionOfCode(std::string_view code);

// Both choices of the months left out of the average.
struct ExclusionChoice {
    std::vector<bool> extra; // by position: left out at the person's wish
    // Positions kept after `extra`, and optimisation 2 over their coefficients (its run indexes
    // `kept`).
    std::vector<std::size_t> kept;
    Optimisation2 second;
};

// Optimisation 2 (ст. 40 ч. 1) with the extra exclusions: a candidate month is left out, lowest
// coefficient first, only while its coefficient is below the average of the months kept and more
// than `fewestKept` remain; then optimisation 2 chooses its run over the months left, and the two
// steps repeat until the first leaves nothing more out. Without candidates (or with `fewestKept`
// 0) it is optimisation 2 alone.
ExclusionChoice chooseExclusions(const std::vector<double>& coefficients,
                                 const std::vector<bool>& candidates, std::int32_t insuranceMonths,
                                 const OptimisationLimits& limits, int fewestKept);

} // namespace rv

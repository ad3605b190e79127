#include "calc/extra_exclusions.h"

#include "calc/calendar.h"

#include <algorithm>
#include <numeric>

namespace rv {

ExtraExclusion extraExclusionOf(const CreditedRules& rules, const CaseMonth& month,
                                Date assignmentDate) {
    const Date monthStart = MonthStart(month.month);
    if (rules.nonWageMonths && rules.nonWageMonths->holds(monthStart) &&
        rules.nonWageKinds.on(assignmentDate).contains(month.kind))
        return ExtraExclusion::NonWage;
    if (rules.categoryKinds.on(assignmentDate).contains(month.kind))
        return ExtraExclusion::Credited;
    if (rules.martialLawOffered && rules.martialLawOffered->holds(assignmentDate) &&
        rules.martialLawMonths && rules.martialLawMonths->holds(monthStart))
        return ExtraExclusion::MartialLaw;
    if (rules.quarantineOffered && rules.quarantineOffered->holds(assignmentDate) &&
        rules.quarantineMonths && rules.quarantineMonths->holds(monthStart))
        return ExtraExclusion::Quarantine;
    return ExtraExclusion::None;
}

std::string_view exclusionCode(ExtraExclusion reason) {
    switch (reason) {
    case ExtraExclusion::NonWage:
        return "pre2005_nonwage";
    case ExtraExclusion::Credited:
        return "credited";
    case ExtraExclusion::MartialLaw:
        return "martial_law";
    case ExtraExclusion::Quarantine:
        return "quarantine";
    case ExtraExclusion::None:
        break;
    }
    return {};
}

std::string_view exclusionTitle(ExtraExclusion reason) {
    switch (reason) {
    case ExtraExclusion::NonWage:
        return "виключено: служба, навчання чи догляд до 2005 р.";
    case ExtraExclusion::Credited:
        return "виключено: зарахований період (ст. 11)";
    case ExtraExclusion::MartialLaw:
        return "виключено: воєнний стан";
    case ExtraExclusion::Quarantine:
        return "виключено: карантин";
    case ExtraExclusion::None:
        break;
    }
    return {};
}

ExtraExclusion exclusionOfCode(std::string_view code) {
    for (const ExtraExclusion reason : kExtraExclusions)
        if (exclusionCode(reason) == code)
            return reason;
    return ExtraExclusion::None;
}

namespace {

Optimisation2 secondOver(const std::vector<double>& coefficients,
                         const std::vector<std::size_t>& kept, std::int32_t insuranceMonths,
                         const OptimisationLimits& limits) {
    std::vector<double> keptCoefficients;
    keptCoefficients.reserve(kept.size());
    for (const std::size_t i : kept)
        keptCoefficients.push_back(coefficients[i]);
    return optimisation2(keptCoefficients, insuranceMonths, limits);
}

} // namespace

ExclusionChoice chooseExclusions(const std::vector<double>& coefficients,
                                 const std::vector<bool>& candidates,
                                 std::int32_t insuranceMonths, const OptimisationLimits& limits,
                                 int fewestKept) {
    ExclusionChoice choice;
    choice.extra.assign(coefficients.size(), false);
    const bool anyCandidate = fewestKept > 0 && std::find(candidates.begin(), candidates.end(),
                                                          true) != candidates.end();
    for (;;) {
        choice.kept.clear();
        for (std::size_t i = 0; i < coefficients.size(); ++i)
            if (!choice.extra[i])
                choice.kept.push_back(i);
        choice.second = secondOver(coefficients, choice.kept, insuranceMonths, limits);
        if (!anyCandidate)
            return choice;

        // The months the average keeps after the run, and the candidates among them, lowest
        // first (of equal coefficients, the earlier month).
        const std::size_t runFirst = choice.second.excludedFirst;
        const std::size_t runEnd = runFirst + choice.second.excludedCount;
        std::vector<std::size_t> open;
        for (std::size_t k = 0; k < choice.kept.size(); ++k)
            if ((k < runFirst || k >= runEnd) && candidates[choice.kept[k]])
                open.push_back(choice.kept[k]);
        std::stable_sort(open.begin(), open.end(), [&](std::size_t a, std::size_t b) {
            return coefficients[a] < coefficients[b];
        });
        auto remaining = static_cast<std::int64_t>(choice.kept.size() - choice.second.excludedCount);
        double sum = choice.second.sumOfCoefficients;
        bool changed = false;
        for (const std::size_t i : open) {
            if (remaining <= fewestKept || !(coefficients[i] < sum / static_cast<double>(remaining)))
                break;
            choice.extra[i] = true;
            sum -= coefficients[i];
            --remaining;
            changed = true;
        }
        if (!changed)
            return choice;
    }
}

} // namespace rv

#include "calc/extra_exclusions.h"

#include "calc/calendar.h"

#include <algorithm>
#include <numeric>

namespace rv {

ExclusionOffer exclusionOfferOn(const CreditedRules& rules, Date assignmentDate) {
    ExclusionOffer offer;
    offer.nonWageKinds = rules.nonWageKinds.on(assignmentDate);
    offer.nonWageMonths = rules.nonWageMonths;
    offer.categoryKinds = rules.categoryKinds.on(assignmentDate);
    if (rules.martialLawOffered && rules.martialLawOffered->holds(assignmentDate))
        offer.martialLawMonths = rules.martialLawMonths;
    if (rules.quarantineOffered && rules.quarantineOffered->holds(assignmentDate))
        offer.quarantineMonths = rules.quarantineMonths;
    return offer;
}

ExtraExclusion extraExclusionOf(const ExclusionOffer& offer, const CaseMonth& month) {
    const Date monthStart = MonthStart(month.month);
    if (offer.nonWageMonths && offer.nonWageMonths->holds(monthStart) &&
        offer.nonWageKinds.contains(month.kind))
        return ExtraExclusion::NonWage;
    if (offer.categoryKinds.contains(month.kind))
        return ExtraExclusion::Credited;
    if (offer.martialLawMonths && offer.martialLawMonths->holds(monthStart))
        return ExtraExclusion::MartialLaw;
    if (offer.quarantineMonths && offer.quarantineMonths->holds(monthStart))
        return ExtraExclusion::Quarantine;
    return ExtraExclusion::None;
}

ExtraExclusion extraExclusionOf(const CreditedRules& rules, const CaseMonth& month,
                                Date assignmentDate) {
    return extraExclusionOf(exclusionOfferOn(rules, assignmentDate), month);
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
                                 const std::vector<bool>& candidates, std::int32_t insuranceMonths,
                                 const OptimisationLimits& limits, int fewestKept) {
    ExclusionChoice choice;
    choice.extra.assign(coefficients.size(), false);
    const bool anyCandidate =
        fewestKept > 0 && std::find(candidates.begin(), candidates.end(), true) != candidates.end();
    std::vector<bool> inRun(coefficients.size(), false);
    bool chosenOnce = false;
    for (;;) {
        // The candidates the average still keeps, lowest first (of equal coefficients, the
        // earlier month), each left out while it is below the average of the months kept.
        std::vector<std::size_t> open;
        double sum = 0;
        std::int64_t remaining = 0;
        for (std::size_t i = 0; i < coefficients.size(); ++i) {
            if (choice.extra[i] || inRun[i])
                continue;
            sum += coefficients[i];
            ++remaining;
            if (anyCandidate && candidates[i])
                open.push_back(i);
        }
        std::stable_sort(open.begin(), open.end(), [&](std::size_t a, std::size_t b) {
            return coefficients[a] < coefficients[b];
        });
        bool changed = false;
        for (const std::size_t i : open) {
            if (remaining <= fewestKept ||
                !(coefficients[i] < sum / static_cast<double>(remaining)))
                break;
            choice.extra[i] = true;
            sum -= coefficients[i];
            --remaining;
            changed = true;
        }
        if (chosenOnce && !changed)
            return choice;

        // Optimisation 2 over the months left, its run chosen again.
        choice.kept.clear();
        for (std::size_t i = 0; i < coefficients.size(); ++i)
            if (!choice.extra[i])
                choice.kept.push_back(i);
        choice.second = secondOver(coefficients, choice.kept, insuranceMonths, limits);
        chosenOnce = true;
        if (!anyCandidate)
            return choice;
        std::fill(inRun.begin(), inRun.end(), false);
        for (std::size_t k = 0; k < choice.second.excludedCount; ++k)
            inRun[choice.kept[choice.second.excludedFirst + k]] = true;
    }
}

} // namespace rv

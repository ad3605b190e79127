#pragma once

#include "calc/calculation.h"

#include <string_view>

namespace rv::cli {

// The key of each result in the calculator's "fields" and "hints", kept for the callers that read
// them; the window's results panel names the control that shows each result so too.
struct ResultFieldKey {
    ResultField ResultTexts::*field;
    std::string_view key;
};

inline constexpr ResultFieldKey kResultFieldKeys[] = {
    {&ResultTexts::rightWay, "lRight"},
    {&ResultTexts::pensionFrom, "edtPensAge"},
    {&ResultTexts::insuranceExperience, "edtFullSS"},
    {&ResultTexts::monthsAfterOptimisation1, "edtSSMonth"},
    {&ResultTexts::countedMonths, "edtSSMonth2"},
    {&ResultTexts::sumOfCoefficients, "edtSumK"},
    {&ResultTexts::averageWage, "edtAvgZpForYear"},
    {&ResultTexts::individualCoefficient, "edtEarningK"},
    {&ResultTexts::valuation, "edtValuation"},
    {&ResultTexts::experienceCoefficient, "edtISSK"},
    {&ResultTexts::basicPension, "edtPens"},
    {&ResultTexts::minimumPension, "edtMinPens"},
    {&ResultTexts::minimumPensionAt65, "edtMinPens65"},
    {&ResultTexts::supplement, "edtExtraPens"},
    {&ResultTexts::maximumPension, "edtMaxPens"},
    {&ResultTexts::totalPension, "edfFullPens"},
};

// The key of a result with a text and a hint; every one of kResultFields has one.
constexpr std::string_view resultFieldKey(ResultField ResultTexts::*field) {
    for (const ResultFieldKey& entry : kResultFieldKeys)
        if (entry.field == field)
            return entry.key;
    return {};
}

} // namespace rv::cli

#include "scenario_json.h"

#include <optional>

namespace rv::cli {

namespace {

using nlohmann::ordered_json;

ordered_json dateJson(const std::optional<Date>& date) {
    return date ? ordered_json(formatDate(*date)) : ordered_json(nullptr);
}

template <typename T> ordered_json optionalJson(const std::optional<T>& value) {
    return value ? ordered_json(*value) : ordered_json(nullptr);
}

// The figures a variant and the earliest right share.
void addFigures(ordered_json& entry, const ScenarioFigures& figures) {
    entry["right"] = figures.right;
    entry["age_rule"] = optionalJson(figures.ageRule);
    entry["right_date"] = dateJson(figures.rightDate);
    entry["application_date"] = formatDate(figures.applicationDate);
    entry["assignment_date"] = dateJson(figures.assignmentDate);
    entry["M"] = figures.insuranceMonths;
    entry["K"] = figures.individualCoefficient;
    entry["KS"] = figures.experienceCoefficient;
    entry["Total"] = figures.total;
}

ordered_json outcomeJson(const ScenarioOutcome& outcome) {
    ordered_json entry = {{"name", outcome.name}};
    if (!outcome.figures) {
        entry["error"] = outcome.refusal;
        return entry;
    }
    addFigures(entry, *outcome.figures);
    entry["delta"] = outcome.delta;
    const bool addsMonths = outcome.workFrom.serial != 0;
    entry["added_from"] = addsMonths ? dateJson(outcome.workFrom) : ordered_json(nullptr);
    entry["added_until"] = addsMonths ? dateJson(outcome.workUntil) : ordered_json(nullptr);
    entry["monthly_wage"] = addsMonths ? ordered_json(outcome.monthlyWage) : ordered_json(nullptr);
    entry["cost"] = optionalJson(outcome.cost);
    entry["payback_months"] = optionalJson(outcome.paybackMonths);
    entry["best"] = outcome.best;
    entry["error"] = nullptr;
    return entry;
}

} // namespace

void addScenarios(ordered_json& document, const ScenarioRunner& runner,
                  const std::vector<Scenario>& scenarios) {
    ordered_json list = ordered_json::array();
    for (const ScenarioOutcome& outcome : runner.runAll(scenarios))
        list.push_back(outcomeJson(outcome));
    document["scenarios"] = std::move(list);
    const std::optional<EarliestRight> earliest = runner.earliestRight();
    if (!earliest) {
        document["earliest_right"] = nullptr;
        return;
    }
    ordered_json entry = {{"date", formatDate(earliest->date)}};
    addFigures(entry, earliest->figures);
    document["earliest_right"] = std::move(entry);
}

} // namespace rv::cli

#pragma once

#include "calc/scenarios.h"

#include <nlohmann/json.hpp>

#include <vector>

namespace rv::cli {

// "scenarios": the variants' figures in the order asked, and "earliest_right": the day the right
// arises by working on as now and the pension then (null when the case has the right already).
void addScenarios(nlohmann::ordered_json& document, const ScenarioRunner& runner,
                  const std::vector<Scenario>& scenarios);

} // namespace rv::cli

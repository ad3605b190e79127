#pragma once

#include "case_input.h"

#include <nlohmann/json.hpp>

namespace rv::cli {

// The outcome of running a case: the JSON to print and whether a step refused it.
struct PipelineOutput {
    nlohmann::ordered_json document;
    bool refused = false;
};

// Runs the case through the data module as a person does in the window: confirm the person,
// store each period, confirm the periods, store each earning, calculate.
PipelineOutput runCase(const CaseInput& input);

} // namespace rv::cli

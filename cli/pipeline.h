#pragma once

#include "case_input.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <optional>
#include <string>

namespace rv {
struct Case;
class Reference;
struct CalculationResult;
} // namespace rv

namespace rv::cli {

// Called once a case is calculated, with the case and the reference it was calculated with and
// its result (the protocol is made so).
using CalculatedCase = std::function<void(const Case&, const Reference&, const CalculationResult&)>;

// The outcome of running a case: the JSON to print and whether a step refused it.
struct PipelineOutput {
    nlohmann::ordered_json document;
    bool refused = false;
};

// Runs the case through the data module as a person does in the window: confirm the person,
// store each period, confirm the periods, store each earning, calculate; then, when asked, save
// the case file.
PipelineOutput runCase(const CaseInput& input, const std::optional<std::string>& savePath,
                       const CalculatedCase& calculated = {});

// Loads a case file as the window's load does: store each period again and, when the case has a
// ledger, calculate for the stored application date ("result" is null without a ledger); then,
// when asked, save the case again.
PipelineOutput runCaseFile(const std::string& path, const std::optional<std::string>& savePath,
                           const CalculatedCase& calculated = {});

} // namespace rv::cli

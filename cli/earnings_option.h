#pragma once

#include "case_input.h"

#include <optional>
#include <string>

namespace rv::cli {

// Puts the months that an earnings source gives (a statement's PDF or text, a certificate, a
// CSV such as the ledger's export) into the case: a month the source names takes its amount,
// the case's other months stay. The reason, when the source gives no month.
std::optional<std::string> takeEarningsFrom(const std::string& sourceBytes, CaseInput& input);

// "ravelta-calc --earnings SOURCE FILE|-": the exit code, or nullopt when the arguments are not
// this command's.
std::optional<int> runEarningsCommand(int argc, char** argv);

} // namespace rv::cli

#pragma once

#include <iosfwd>
#include <optional>

namespace rv::cli {

// Calculates JSON Lines of cases: each input line is a case (the JSON of ravelta-calc), each
// output line its result or its error ({"error": {"stage": "input", ...}} for a line that is
// not a case, a blank line included), in input order. `workers` threads calculate side by side,
// each case in its own data module; the lines are read and written in chunks, so memory stays
// flat however long the input.
void runBatch(std::istream& in, std::ostream& out, unsigned workers);

// "ravelta-calc --batch FILE|-": the exit code, or nullopt when the arguments are not this
// command's. Uses every core.
std::optional<int> runBatchCommand(int argc, char** argv);

} // namespace rv::cli

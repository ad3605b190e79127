#pragma once

// The marks the optimisations of ст. 40 leave on the ledger's months, as the case file keeps
// them.
namespace rv::marks {

inline constexpr const char* kCounted = "+";  // optimisation 1 kept the month
inline constexpr const char* kExcluded = "-"; // optimisation 2 left it out

} // namespace rv::marks

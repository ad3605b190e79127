#pragma once

#include <string>
#include <system_error>

namespace rv {

// The save error as the person reads it: the program's text and, when the cause is one a person
// can act on (no space, no permission, a read-only disk, ...), why.
std::string saveFailureMessage(std::error_code cause);

} // namespace rv

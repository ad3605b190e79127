#pragma once

#include <stdexcept>
#include <string>

namespace rv {

// A refusal the user must see: carries the Ukrainian text that the window shows as it stands.
class UserError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace rv

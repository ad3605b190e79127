#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <system_error>

namespace rv::cli {

// The largest JSON case read. A working life of earnings takes about 100 KB of JSON; anything
// near this size is not a case, and reading it whole would only cost memory and time.
inline constexpr std::size_t kLargestJsonInput = 4 * 1024 * 1024;

// Outside input that cannot be read; the Ukrainian text says why.
class ReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The Ukrainian reason for a failed open or read.
std::string readFailureText(std::error_code cause);

// The whole of `path` ("-": standard input), read in blocks; more than `cap` bytes are refused
// as soon as the block that passes the cap is read, so an endless input stops. Throws ReadError.
std::string readInput(const std::string& path, std::size_t cap);

} // namespace rv::cli

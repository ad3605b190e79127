#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace rv::testing_support {

// The whole file as bytes; empty when it cannot be opened.
inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace rv::testing_support

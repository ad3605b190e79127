#pragma once

#include <filesystem>
#include <string_view>

namespace rv {

// The temporary file beside `target` that an atomic write fills before renaming it.
std::filesystem::path temporaryPathFor(const std::filesystem::path& target);

// Writes the bytes to a temporary file in the target's folder and renames it over the target
// only when it is complete, so a failed write leaves an earlier file whole. Throws
// std::filesystem::filesystem_error on failure; the temporary file is then removed.
void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

} // namespace rv

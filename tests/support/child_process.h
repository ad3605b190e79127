#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace rv::testing_support {

// Runs `body` in a forked child, so it may change what a test process must not (its mounts, its
// user), and gives back the text it returns; nullopt when the child could not arrange its
// conditions (the body threw ChildCannotArrange); a child that fails otherwise gives a text
// saying so.
std::optional<std::string> runInChild(const std::function<std::string()>& body);

// Thrown inside a child that cannot arrange the condition a test needs.
struct ChildCannotArrange {};

// In a child: a mount namespace of its own with an empty tmpfs of `bytes` at `folder`, so a
// full or read-only disk can be made without touching the machine. Throws ChildCannotArrange
// without the privilege.
void mountSmallDisk(const std::filesystem::path& folder, std::size_t bytes);
void remountReadOnly(const std::filesystem::path& folder);

// In a child run as root: becomes the unprivileged user "nobody" (65534), to whom the file
// permissions apply; a child not run as root already is one. Throws ChildCannotArrange when the
// change fails.
void becomeUnprivileged();

} // namespace rv::testing_support

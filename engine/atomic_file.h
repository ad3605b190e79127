#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace rv {

// Why an atomic write refused its target before writing anything.
enum class AtomicWriteRefusal {
    NotRegularFile = 1, // a folder, device, pipe or socket: never replaced by a file
    ForeignSymlink,     // a symlink of another user in a shared folder such as /tmp
    SymlinkLoop,        // too many symlinks in a row
};
const std::error_category& atomicWriteCategory();
std::error_code make_error_code(AtomicWriteRefusal refusal);

// Writes the bytes as the whole new content of `target`, so that a failed write leaves an
// earlier file whole: a fresh temporary file in the target's folder (created exclusively, never
// through a symlink, a name of its own for every write), flushed to the disk, renamed over the
// target, then the folder flushed. A symlinked target is written through to the file it names
// and stays a symlink; an existing file keeps its permission bits, a new one gets 0600 (case
// files hold personal data). Throws std::filesystem::filesystem_error carrying the cause: the
// system's error number or an AtomicWriteRefusal; the temporary file is then removed.
void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

} // namespace rv

template <> struct std::is_error_code_enum<rv::AtomicWriteRefusal> : std::true_type {};

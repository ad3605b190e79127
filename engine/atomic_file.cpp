#include "engine/atomic_file.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace rv {

namespace {

namespace fs = std::filesystem;

class AtomicWriteCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "atomic write"; }
    std::string message(int value) const override {
        switch (static_cast<AtomicWriteRefusal>(value)) {
        case AtomicWriteRefusal::NotRegularFile:
            return "the target exists and is not a regular file";
        case AtomicWriteRefusal::ForeignSymlink:
            return "the target is another user's symlink in a shared folder";
        case AtomicWriteRefusal::SymlinkLoop:
            return "too many levels of symlinks";
        }
        return "unknown refusal";
    }
};

// Links followed before giving up, as the kernel's own limit.
constexpr int kMostSymlinks = 40;

// Permission bits of a new file: only its owner reads it.
constexpr mode_t kNewFileMode = 0600;

[[noreturn]] void fail(const fs::path& target, std::error_code error) {
    throw fs::filesystem_error("cannot write the file", target, error);
}

[[noreturn]] void failWithErrno(const fs::path& target) {
    fail(target, std::error_code(errno, std::generic_category()));
}

// A symlink in a sticky folder that others may write (/tmp) is followed only when it belongs to
// us or to the folder's owner, as the kernel's protected_symlinks rule does.
bool mayFollow(const struct stat& link, const fs::path& folder) {
    struct stat parent {};
    if (::stat(folder.c_str(), &parent) != 0)
        return false;
    const bool shared = (parent.st_mode & S_ISVTX) && (parent.st_mode & S_IWOTH);
    return !shared || link.st_uid == ::geteuid() || link.st_uid == parent.st_uid;
}

// The file that a write to `target` replaces: `target` itself, or the end of its symlinks.
fs::path resolveSymlinks(const fs::path& target) {
    fs::path path = target;
    for (int hops = 0; hops <= kMostSymlinks; ++hops) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0) {
            if (errno == ENOENT)
                return path; // a new file (or a dangling link's end): created below
            failWithErrno(target);
        }
        if (!S_ISLNK(status.st_mode))
            return path;
        const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
        if (!mayFollow(status, folder))
            fail(target, AtomicWriteRefusal::ForeignSymlink);
        std::error_code error;
        const fs::path next = fs::read_symlink(path, error);
        if (error)
            fail(target, error);
        path = next.is_absolute() ? next : folder / next;
    }
    fail(target, AtomicWriteRefusal::SymlinkLoop);
}

// The descriptor of a file opened here, closed on every way out.
class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor) : m_descriptor(descriptor) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
    }
    int get() const { return m_descriptor; }

private:
    int m_descriptor;
};

// The temporary file, removed unless it was renamed over the target.
class TemporaryFile {
public:
    TemporaryFile(const fs::path& folder, const fs::path& target) {
        // Hidden beside the target, under a name of its own: mkostemp creates it with O_EXCL and
        // mode 0600, so it never opens an existing file or follows a symlink planted at its
        // name. The target's name is not part of it, so a long target name still fits.
        m_template = (folder / ".ravelta-save-XXXXXX").string();
        m_descriptor = ::mkostemp(m_template.data(), O_CLOEXEC);
        if (m_descriptor < 0)
            failWithErrno(target);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
        if (!m_renamed)
            ::unlink(m_template.c_str());
    }
    int descriptor() const { return m_descriptor; }
    const char* path() const { return m_template.c_str(); }
    // Closes now: a close can report a failed write.
    bool close() {
        const int descriptor = m_descriptor;
        m_descriptor = -1;
        return ::close(descriptor) == 0;
    }
    void renamed() { m_renamed = true; }

private:
    std::string m_template;
    int m_descriptor = -1;
    bool m_renamed = false;
};

void writeAll(int descriptor, std::string_view bytes, const fs::path& target) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            failWithErrno(target);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// A rename is durable once its folder is on the disk too.
void syncFolder(const fs::path& folder, const fs::path& target) {
    FileDescriptor descriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (descriptor.get() < 0 || ::fsync(descriptor.get()) != 0)
        failWithErrno(target);
}

} // namespace

const std::error_category& atomicWriteCategory() {
    static const AtomicWriteCategory category;
    return category;
}

std::error_code make_error_code(AtomicWriteRefusal refusal) {
    return {static_cast<int>(refusal), atomicWriteCategory()};
}

void writeFileAtomically(const fs::path& target, std::string_view bytes) {
    const fs::path file = resolveSymlinks(target);
    mode_t mode = kNewFileMode;
    struct stat existing {};
    if (::stat(file.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode))
            fail(target, AtomicWriteRefusal::NotRegularFile);
        mode = existing.st_mode & 07777;
    } else if (errno != ENOENT) {
        failWithErrno(target);
    }

    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    TemporaryFile temporary(folder, target);
    if (::fchmod(temporary.descriptor(), mode) != 0)
        failWithErrno(target);
    writeAll(temporary.descriptor(), bytes, target);
    if (::fsync(temporary.descriptor()) != 0 || !temporary.close())
        failWithErrno(target);
    if (::rename(temporary.path(), file.c_str()) != 0)
        failWithErrno(target);
    temporary.renamed();
    syncFolder(folder, target);
}

} // namespace rv

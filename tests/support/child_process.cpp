#include "child_process.h"

#include <cerrno>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace rv::testing_support {

namespace {

constexpr int kCannotArrange = 77;
constexpr uid_t kNobody = 65534;

} // namespace

std::optional<std::string> runInChild(const std::function<std::string()>& body) {
    int channel[2];
    if (::pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        ::close(channel[0]);
        int code = 0;
        try {
            const std::string text = body();
            for (std::size_t written = 0; written < text.size();) {
                const ssize_t n = ::write(channel[1], text.data() + written, text.size() - written);
                if (n <= 0)
                    break;
                written += static_cast<std::size_t>(n);
            }
        } catch (const ChildCannotArrange&) {
            code = kCannotArrange;
        } catch (...) {
            code = 1;
        }
        ::_exit(code); // no test teardown in the child
    }
    ::close(channel[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    ::close(channel[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == kCannotArrange)
        return std::nullopt;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "the child ended with status " + std::to_string(status);
    return text;
}

void mountSmallDisk(const std::filesystem::path& folder, std::size_t bytes) {
    const std::string options = "size=" + std::to_string(bytes);
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) != 0)
        throw ChildCannotArrange{};
}

void remountReadOnly(const std::filesystem::path& folder) {
    if (::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
        throw ChildCannotArrange{};
}

void becomeUnprivileged() {
    if (::geteuid() != 0)
        return;
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
        throw ChildCannotArrange{};
}

} // namespace rv::testing_support

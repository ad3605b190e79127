#include "input_reading.h"

#include "calc/messages.h"
#include "cli/cli_messages.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace rv::cli {

namespace {

// The descriptor read from; standard input stays open.
class InputDescriptor {
public:
    explicit InputDescriptor(const std::string& path)
        : m_descriptor(path == "-" ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC)),
          m_owned(path != "-") {}
    InputDescriptor(const InputDescriptor&) = delete;
    InputDescriptor& operator=(const InputDescriptor&) = delete;
    ~InputDescriptor() {
        if (m_owned && m_descriptor >= 0)
            ::close(m_descriptor);
    }
    int get() const { return m_descriptor; }

private:
    int m_descriptor;
    bool m_owned;
};

[[noreturn]] void failWithErrno() {
    throw ReadError(std::string(messages::kInputUnreadable) +
                    readFailureText(std::error_code(errno, std::generic_category())));
}

} // namespace

std::string readFailureText(std::error_code cause) {
    switch (cause.value()) {
    case ENOENT:
        return messages::kReadNoFile;
    case EACCES:
    case EPERM:
        return messages::kReadNoPermission;
    case ENAMETOOLONG:
        return messages::kReadNameTooLong;
    case EISDIR:
        return messages::kReadIsFolder;
    case ENOTDIR:
        return messages::kReadPathThroughFile;
    default:
        return messages::kReadFailedCode + std::to_string(cause.value());
    }
}

std::string readInput(const std::string& path, std::size_t cap) {
    const InputDescriptor input(path);
    if (input.get() < 0)
        failWithErrno();
    std::string bytes;
    std::array<char, 64 * 1024> block;
    for (;;) {
        const ssize_t count = ::read(input.get(), block.data(), block.size());
        if (count < 0) {
            if (errno == EINTR)
                continue;
            failWithErrno();
        }
        if (count == 0)
            return bytes;
        if (bytes.size() + static_cast<std::size_t>(count) > cap)
            throw ReadError(messages::kInputTooLargePrefix + std::to_string(cap / (1024 * 1024)) +
                            messages::kInputTooLargeSuffix);
        bytes.append(block.data(), static_cast<std::size_t>(count));
    }
}

} // namespace rv::cli

#include "atomic_file.h"

#include <fstream>
#include <system_error>

namespace rv {

std::filesystem::path temporaryPathFor(const std::filesystem::path& target) {
    std::filesystem::path temporary = target;
    temporary += ".ravelta-tmp";
    return temporary;
}

void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    const std::filesystem::path temporary = temporaryPathFor(target);
    const auto fail = [&](std::error_code error, bool created) {
        if (created) {
            std::error_code ignored; // the write failed already; that failure is the one reported
            std::filesystem::remove(temporary, ignored);
        }
        throw std::filesystem::filesystem_error("cannot write the file", target, temporary, error);
    };

    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out.is_open())
        fail(std::make_error_code(std::errc::io_error), false);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    const bool written = out.good();
    out.close();
    if (!written || out.fail())
        fail(std::make_error_code(std::errc::io_error), true);

    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error)
        fail(error, true);
}

} // namespace rv

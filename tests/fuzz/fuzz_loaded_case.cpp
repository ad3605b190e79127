// libFuzzer target for what a loaded case file feeds: three snapshots behind two 16-bit
// little-endian lengths (person, periods; the ledger takes the rest) are packed into a case file
// with a valid digest, so the search reaches past it, and run as `ravelta-calc FILE --save-case
// OUT` runs them (rv::cli::runCaseFile): load and check, store the periods again, calculate,
// save. A case the program saved must load again: a refusal of it is a finding.
#include "cli/pipeline.h"
#include "protect/case_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

// The files of a run, removed when it ends. A memory file system when there is one.
class ScratchFiles {
public:
    ScratchFiles() {
        const std::filesystem::path shm = "/dev/shm";
        const std::filesystem::path folder =
            std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
        const std::string stem = "ravelta_fuzz_loaded_" + std::to_string(::getpid());
        m_input = folder / (stem + "_in.csf");
        m_saved = folder / (stem + "_out.csf");
    }
    ~ScratchFiles() {
        std::error_code ignored; // nothing to do about a file that cannot be removed at exit
        std::filesystem::remove(m_input, ignored);
        std::filesystem::remove(m_saved, ignored);
    }
    const std::filesystem::path& input() const { return m_input; }
    const std::filesystem::path& saved() const { return m_saved; }

private:
    std::filesystem::path m_input;
    std::filesystem::path m_saved;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto length = [&](std::size_t offset) {
        return static_cast<std::size_t>(data[offset]) | static_cast<std::size_t>(data[offset + 1])
                                                            << 8;
    };
    std::string_view rest = bytes.substr(4);
    const std::string_view person = rest.substr(0, length(0));
    rest.remove_prefix(person.size());
    const std::string_view periods = rest.substr(0, length(2));
    rest.remove_prefix(periods.size());

    static const ScratchFiles files;
    {
        std::ofstream out(files.input(), std::ios::binary | std::ios::trunc);
        const std::string file = rv::PackCaseFile(person, periods, rest);
        out.write(file.data(), static_cast<std::streamsize>(file.size()));
    }
    std::error_code ignored; // the save below makes it again
    std::filesystem::remove(files.saved(), ignored);
    const rv::cli::PipelineOutput first =
        rv::cli::runCaseFile(files.input().string(), files.saved().string());
    if (first.refused)
        return 0;
    const rv::cli::PipelineOutput again = rv::cli::runCaseFile(files.saved().string(), {});
    if (again.refused)
        std::abort();
    return 0;
}

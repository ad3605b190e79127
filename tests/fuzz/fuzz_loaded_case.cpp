// libFuzzer target for what a loaded case file feeds: three snapshots behind two 16-bit
// little-endian lengths (person, periods; the ledger takes the rest) are packed into a case file
// with a valid digest, so the search reaches past it, and taken through the steps of
// `ravelta-calc FILE --save-case OUT` (rv::cli::runCaseFile): load and check, store the periods
// again, calculate for the stored application date, save. A case the program saved must load
// again: a refusal of it is a finding. One data module serves the whole run, as one window
// serves many loads; making one per input would take most of the time.
#include "store/dm_calculation.h"
#include "protect/case_file.h"
#include "store/dmMain.h"
#include "engine/errors.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
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
    static rv::TdMain dm;
    if (!dm.LoadCase(files.input().string()))
        return 0; // refused: a result, not a finding
    try {
        for (int row = 1; row <= dm.cdsExp.recordCount(); ++row) {
            dm.cdsExp.setRecNo(row);
            dm.cdsExp.edit();
            dm.cdsExp.post();
        }
        dm.cdsPerson.first();
        const std::optional<rv::Date> application = dm.cdsPerson.asDate("person_af_date");
        if (dm.cdsEarning.recordCount() > 0 && application)
            rv::Calculate(dm, *application, '.');
    } catch (const rv::UserError&) { // a refused period or calculation
        for (rv::Table* table : {&dm.cdsPerson, &dm.cdsExp, &dm.cdsEarning})
            table->cancel();
        return 0;
    }
    std::error_code ignored; // the save makes it again
    std::filesystem::remove(files.saved(), ignored);
    if (dm.SaveCase(files.saved().string()) && !dm.LoadCase(files.saved().string()))
        std::abort();
    return 0;
}

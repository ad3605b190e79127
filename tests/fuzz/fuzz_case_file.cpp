// libFuzzer target for the readers of outside bytes: the case file and the table snapshot.
// The first input byte picks what the rest is fed to:
//   0: a case file: UnpackCaseFile, then checkSnapshot of its three snapshots on the case tables;
//   1: a snapshot: Table::loadSnapshot on the case table picked by the second byte;
//   2: three snapshots, behind two 16-bit little-endian lengths (person, periods; the ledger
//      takes the rest), packed into a valid case file and loaded with TdMain::LoadCase, so the
//      digest does not stop the search before the snapshots and the identities are checked.
#include "protect/case_file.h"
#include "store/dmMain.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

using rv::SnapshotError;
using rv::Table;
using rv::TdMain;

TdMain& dataModule() {
    static TdMain dm; // unpacking the reference data takes milliseconds: once per run
    return dm;
}

Table& caseTable(TdMain& dm, unsigned char pick) {
    switch (pick % 3) {
    case 0:
        return dm.cdsPerson;
    case 1:
        return dm.cdsExp;
    default:
        return dm.cdsEarning;
    }
}

void emptyCase(TdMain& dm) {
    for (Table* table : {&dm.cdsPerson, &dm.cdsExp, &dm.cdsEarning}) {
        table->cancel();
        table->empty();
    }
}

void checkCaseFile(TdMain& dm, std::string_view bytes) {
    const rv::UnpackedCaseFile file = rv::UnpackCaseFile(bytes);
    if (!file.unpacked())
        return;
    try {
        dm.cdsPerson.checkSnapshot(file.person());
        dm.cdsExp.checkSnapshot(file.periods());
        dm.cdsEarning.checkSnapshot(file.ledger());
    } catch (const SnapshotError&) {
    }
}

void loadSnapshot(TdMain& dm, std::string_view bytes) {
    if (bytes.empty())
        return;
    try {
        caseTable(dm, static_cast<unsigned char>(bytes[0])).loadSnapshot(bytes.substr(1));
    } catch (const SnapshotError&) {
    }
    emptyCase(dm);
}

// The file that mode 2 writes, removed when the run ends. A memory file system when there is
// one: a disk flushes a rewritten file on close.
class ScratchFile {
public:
    ScratchFile() {
        const std::filesystem::path shm = "/dev/shm";
        const std::filesystem::path folder =
            std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
        m_path = folder / ("ravelta_fuzz_" + std::to_string(::getpid()) + ".csf");
    }
    ~ScratchFile() {
        std::error_code ignored; // nothing to do about a file that cannot be removed at exit
        std::filesystem::remove(m_path, ignored);
    }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

void loadPackedCase(TdMain& dm, std::string_view bytes) {
    if (bytes.size() < 4)
        return;
    const auto length = [&](std::size_t offset) {
        return static_cast<std::size_t>(static_cast<unsigned char>(bytes[offset])) |
               static_cast<std::size_t>(static_cast<unsigned char>(bytes[offset + 1])) << 8;
    };
    std::string_view rest = bytes.substr(4);
    const std::string_view person = rest.substr(0, length(0));
    rest.remove_prefix(person.size());
    const std::string_view periods = rest.substr(0, length(2));
    rest.remove_prefix(periods.size());

    static const ScratchFile scratch;
    const std::filesystem::path& path = scratch.path();
    {
        std::filesystem::remove(path);
        std::ofstream out(path, std::ios::binary);
        const std::string file = rv::PackCaseFile(person, periods, rest);
        out.write(file.data(), static_cast<std::streamsize>(file.size()));
    }
    dm.LoadCase(path.string()); // a refusal is a result, not a finding
    emptyCase(dm);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    TdMain& dm = dataModule();
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 3) {
    case 0:
        checkCaseFile(dm, bytes);
        break;
    case 1:
        loadSnapshot(dm, bytes);
        break;
    default:
        loadPackedCase(dm, bytes);
        break;
    }
    return 0;
}

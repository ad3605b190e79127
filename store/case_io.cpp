// SaveCase and LoadCase of the data module: the case file of the three case tables.
#include "store/dmMain.h"

#include "protect/case_file.h"
#include "store/atomic_file.h"
#include "store/messages.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>
#include <system_error>

namespace rv {

namespace {

// A case of a whole working life takes about fifty kilobytes; anything far larger is not a
// case file and is refused before it is read into memory.
constexpr std::size_t kLargestCaseFile = 64 * 1024 * 1024;

// Ledger keys are person id * 1000000 + year * 100 + month0 with years up to 9999: the
// largest identity whose keys still fit in a signed 32-bit integer.
constexpr std::int64_t kLedgerKeyPersonStep = 1000000;
constexpr std::int64_t kLargestLedgerKeyMonth = 9999 * 100 + 11;
constexpr std::int64_t kLargestPersonId =
    (std::numeric_limits<std::int32_t>::max() - kLargestLedgerKeyMonth) / kLedgerKeyPersonStep;

// File names come as UTF-8 from the window and the command line.
std::filesystem::path pathFromUtf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

std::array<Table*, 3> caseTables(TdMain& dm) {
    return {&dm.cdsPerson, &dm.cdsExp, &dm.cdsEarning};
}

// The whole file, or nullopt when it cannot be read or is larger than any case file.
std::optional<std::string> readCaseFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open())
        return std::nullopt;
    std::string bytes;
    if (const auto size = std::filesystem::file_size(path, error); !error) {
        if (size > kLargestCaseFile)
            return std::nullopt;
        bytes.reserve(static_cast<std::size_t>(size));
    }
    std::array<char, 64 * 1024> chunk;
    while (in) {
        in.read(chunk.data(), chunk.size());
        bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kLargestCaseFile)
            return std::nullopt;
    }
    if (in.bad())
        return std::nullopt;
    return bytes;
}

// Every person row carries an identity whose ledger keys fit in 32 bits.
bool personIdentitiesFit(const Table& persons, std::string_view snapshot) {
    std::vector<FieldDef> fields;
    for (int i = 0; i < persons.fieldCount(); ++i)
        fields.push_back(persons.field(i));
    Table loaded("loadedPersons", std::move(fields));
    loaded.loadSnapshot(snapshot);
    for (loaded.first(); !loaded.eof(); loaded.next()) {
        const Value id = loaded.value("person_id");
        const auto* number = std::get_if<std::int32_t>(&id);
        if (!number || *number < 0 || *number > kLargestPersonId)
            return false;
    }
    return true;
}

// The three snapshots load into their tables and the identities are usable.
bool caseFileFits(TdMain& dm, const UnpackedCaseFile& file) {
    try {
        dm.cdsExp.checkSnapshot(file.periods());
        dm.cdsEarning.checkSnapshot(file.ledger());
        return personIdentitiesFit(dm.cdsPerson, file.person());
    } catch (const SnapshotError&) {
        return false;
    }
}

} // namespace

bool TdMain::SaveCase(const std::string& path) {
    try {
        for (Table* table : caseTables(*this))
            table->setFiltered(false);
        const std::string person = cdsPerson.saveSnapshot();
        const std::string periods = cdsExp.saveSnapshot();
        const std::string ledger = cdsEarning.saveSnapshot();
        writeFileAtomically(pathFromUtf8(path), PackCaseFile(person, periods, ledger));
        return true;
    } catch (const std::exception&) {
        if (m_prompt)
            m_prompt->error(messages::kCaseSaveFailed);
        return false;
    }
}

bool TdMain::LoadCase(const std::string& path) {
    const auto fail = [this](const char* message) {
        if (m_prompt)
            m_prompt->error(message);
        return false;
    };
    try {
        const std::filesystem::path file = pathFromUtf8(path);
        std::error_code error;
        if (!std::filesystem::exists(file, error) && !error)
            return false;

        // Everything is read and checked before the open case is touched.
        const std::optional<std::string> bytes = readCaseFile(file);
        if (!bytes)
            return fail(messages::kCaseLoadFailed);
        const UnpackedCaseFile unpacked = UnpackCaseFile(*bytes);
        if (unpacked.status() == CaseFileStatus::OpeningFailed)
            return fail(messages::kCaseOpenFailed);
        if (!unpacked.unpacked() || !caseFileFits(*this, unpacked))
            return fail(messages::kCaseLoadFailed);

        // A pending edit that its hooks refuse stops the load here, before any row is replaced.
        for (Table* table : caseTables(*this))
            if (table->isEditing())
                table->post();
        for (Table* table : caseTables(*this)) {
            table->empty();
            table->setFilter("");
        }
        cdsPerson.loadSnapshot(unpacked.person());
        cdsExp.loadSnapshot(unpacked.periods());
        cdsEarning.loadSnapshot(unpacked.ledger());
        for (Table* table : caseTables(*this))
            table->setFiltered(false);
        AdoptLoadedPersonIds();
        return true;
    } catch (const std::exception&) {
        return fail(messages::kCaseLoadFailed);
    }
}

} // namespace rv

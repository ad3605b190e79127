// SaveCase and LoadCase of the data module: the case file of the three case tables.
#include "store/dmMain.h"

#include "protect/case_file.h"
#include "engine/atomic_file.h"
#include "store/case_limits.h"
#include "store/loaded_case.h"
#include "calc/messages.h"
#include "engine/save_failure.h"
#include "store/store_messages.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>
#include <vector>

namespace rv {

namespace {

// File names come as UTF-8 from the window and the command line.
std::filesystem::path pathFromUtf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

// The whole file, or nullopt when it cannot be read or is larger than any case file; read in
// blocks, so neither a wrong size nor a file that grows can make it read more than that.
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

// A case that a file could not give back: more rows than a case file may hold.
bool fitsCaseFile(TdMain& dm) {
    return static_cast<std::size_t>(dm.cdsPerson.recordCount()) <= kMostCasePersons &&
           static_cast<std::size_t>(dm.cdsExp.recordCount()) <= kMostPeriods &&
           static_cast<std::size_t>(dm.cdsEarning.recordCount()) <= kMostLedgerMonths;
}

} // namespace

bool TdMain::SaveCase(const std::string& path) {
    const auto fail = [this](const std::string& message) {
        if (m_prompt)
            m_prompt->error(message);
        return false;
    };
    try {
        for (Table* table : caseTables())
            table->setFiltered(false);
        const std::string person = cdsPerson.saveSnapshot();
        const std::string periods = cdsExp.saveSnapshot();
        const std::string ledger = cdsEarning.saveSnapshot();
        if (!fitsCaseFile(*this))
            return fail(std::string(messages::kCaseSaveFailed) + ": " +
                        messages::kSaveCauseCaseTooLarge + ".");
        writeFileAtomically(pathFromUtf8(path), PackCaseFile(person, periods, ledger));
        return true;
    } catch (const std::filesystem::filesystem_error& error) {
        return fail(saveFailureMessage(error.code()));
    } catch (const std::exception&) {
        return fail(messages::kCaseSaveFailed);
    }
}

bool TdMain::LoadCase(const std::string& path) {
    const auto fail = [this](const char* message, const std::vector<std::string>& warnings = {}) {
        if (m_prompt) {
            m_prompt->error(message);
            for (const std::string& warning : warnings)
                m_prompt->warning(warning);
        }
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
        if (!unpacked.unpacked())
            return fail(messages::kCaseLoadFailed);
        // A file's contents are checked as any outside input: its digest and cipher keep out
        // damage, not a forged file.
        const LoadedCase loaded(*this, unpacked);
        if (!loaded.fieldsValid(*this))
            return fail(messages::kCaseLoadFailed);
        if (const std::vector<std::string> warnings = loaded.periodWarnings(*this);
            !warnings.empty())
            return fail(messages::kCaseLoadFailed, warnings);

        // A pending edit that its hooks refuse stops the load here, before any row is replaced.
        ReplaceCaseRows(unpacked.person(), unpacked.periods(), unpacked.ledger());
        return true;
    } catch (const std::exception&) {
        return fail(messages::kCaseLoadFailed);
    }
}

void TdMain::ReplaceCaseRows(std::string_view person, std::string_view periods,
                             std::string_view ledger) {
    for (Table* table : caseTables())
        if (table->isEditing())
            table->post();
    for (Table* table : caseTables()) {
        table->empty();
        table->setFilter("");
    }
    cdsPerson.loadSnapshot(person);
    cdsExp.loadSnapshot(periods);
    cdsEarning.loadSnapshot(ledger);
    for (Table* table : caseTables())
        table->setFiltered(false);
    AdoptLoadedPersonIds();
}

} // namespace rv

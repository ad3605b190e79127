#include "earnings_dump.h"

#include "engine/atomic_file.h"
#include "engine/cp1251.h"
#include "store/ledger_columns.h"
#include "calc/number_format.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <string>
#include <string_view>

#ifndef _WIN32
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace rv {

namespace {

constexpr const char* kLineEnd = "\r\n";

// The table's plain text form of a value; a real number in the general format.
std::string plainText(const Table& ledger, std::string_view name, char decimalSeparator) {
    const Value value = ledger.value(name);
    if (const auto* number = std::get_if<double>(&value))
        return formatGeneral(*number, decimalSeparator);
    return ledger.asText(name);
}

} // namespace

std::string earningsDumpBytes(Table& ledger, char decimalSeparator) {
    std::string text;
    for (const LedgerColumn& column : kLedgerColumns)
        if (column.shown)
            text.append(column.dumpTitle).append(";");
    text += kLineEnd;
    for (ledger.first(); !ledger.eof(); ledger.next()) {
        for (const LedgerColumn& column : kLedgerColumns)
            if (column.shown)
                text.append(plainText(ledger, column.field, decimalSeparator)).append(";");
        text += kLineEnd;
    }
    return toCp1251(text);
}

void saveEarningsDump(Table& ledger, const std::filesystem::path& path, char decimalSeparator) {
    writeFileAtomically(path, earningsDumpBytes(ledger, decimalSeparator));
}

#ifndef _WIN32
namespace {

namespace fs = std::filesystem;

[[noreturn]] void failFolder(const fs::path& folder, std::errc cause) {
    throw fs::filesystem_error("cannot use the dump folder", folder, std::make_error_code(cause));
}

fs::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    failFolder({}, std::errc::no_such_file_or_directory);
}

// $XDG_STATE_HOME/ravelta or ~/.local/state/ravelta: a folder of ours that nobody else may
// enter, made when missing.
fs::path privateStateFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    const fs::path base = state && *state && fs::path(state).is_absolute()
                              ? fs::path(state)
                              : homeFolder() / ".local" / "state";
    fs::create_directories(base);
    const fs::path folder = base / "ravelta";
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        throw fs::filesystem_error("cannot make the dump folder", folder,
                                   std::error_code(errno, std::generic_category()));
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
        failFolder(folder, std::errc::not_a_directory);
    if (status.st_uid != ::geteuid() || (status.st_mode & 077) != 0)
        failFolder(folder, std::errc::permission_denied);
    return folder;
}

} // namespace
#endif

std::filesystem::path defaultEarningsDumpPath() {
#ifdef _WIN32
    return std::filesystem::path("c:\\temp\\earning.csv");
#else
    const fs::path folder = privateStateFolder();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string stem = "earning-" + std::string(stamp) + "-" + std::to_string(::getpid());
    // A second dump within the same second gets the next number.
    fs::path path = folder / (stem + ".csv");
    std::error_code error;
    for (int number = 2; fs::exists(fs::symlink_status(path, error)); ++number)
        path = folder / (stem + "-" + std::to_string(number) + ".csv");
    return path;
#endif
}

} // namespace rv

// A main for a fuzz target without libFuzzer: runs LLVMFuzzerTestOneInput once on every file
// named on the command line and on every file under the folders named there (in name order), so
// that g++ and the sanitizer build replay the kept corpora as tests. A crash, an abort or a
// sanitizer finding fails the run; the input it happened on is named on stderr. Each input gets
// a heap buffer of exactly its size, as libFuzzer gives it, so a read past its end is found.
#include <algorithm>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Optional in a target, as with libFuzzer.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

// The input being run, for the crash handlers; empty between inputs.
char g_current[4096];

void nameCurrentInput() {
    if (g_current[0] == '\0')
        return;
    static const char prefix[] = "\nreplay: the run ended on the input ";
    // Only async-signal-safe calls here; a short write loses part of a message, nothing more.
    [[maybe_unused]] ssize_t written = ::write(STDERR_FILENO, prefix, sizeof prefix - 1);
    written = ::write(STDERR_FILENO, g_current, std::strlen(g_current));
    written = ::write(STDERR_FILENO, "\n", 1);
    g_current[0] = '\0'; // once, though a sanitizer's report ends in an abort that lands below
}

void onFatalSignal(int number) {
    nameCurrentInput();
    std::signal(number, SIG_DFL);
    std::raise(number);
}

// Every sanitizer runtime loaded calls nameCurrentInput when it ends the run with a report. With
// g++ each sanitizer is a library of its own with its own callback (UBSan's exits without
// aborting), so each loaded object is asked for its __sanitizer_set_death_callback.
using SetDeathCallback = void (*)(void (*)());

int registerDeathCallback(dl_phdr_info* info, std::size_t, void* registered) {
    auto& seen = *static_cast<std::vector<SetDeathCallback>*>(registered);
    void* object = ::dlopen(info->dlpi_name[0] != '\0' ? info->dlpi_name : nullptr,
                            RTLD_LAZY | RTLD_NOLOAD);
    if (object == nullptr)
        return 0;
    const auto set = reinterpret_cast<SetDeathCallback>(
        ::dlsym(object, "__sanitizer_set_death_callback"));
    if (set != nullptr && std::find(seen.begin(), seen.end(), set) == seen.end()) {
        set(nameCurrentInput);
        seen.push_back(set);
    }
    ::dlclose(object);
    return 0;
}

// Names the input when a sanitizer ends the run, and on the signals that end it, leaving alone
// those a sanitizer runtime has taken (it prints its report first and then aborts, which lands
// here).
void installCrashHandlers() {
    std::vector<SetDeathCallback> registered;
    ::dl_iterate_phdr(registerDeathCallback, &registered);
    for (const int number : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL}) {
        struct sigaction current {};
        if (::sigaction(number, nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
            continue;
        struct sigaction handler {};
        handler.sa_handler = onFatalSignal;
        sigemptyset(&handler.sa_mask);
        ::sigaction(number, &handler, nullptr);
    }
}

// The files a command-line argument names; false when it names nothing readable.
bool collectInputs(const fs::path& argument, std::vector<fs::path>& inputs) {
    std::error_code error;
    if (fs::is_regular_file(argument, error)) {
        inputs.push_back(argument);
        return true;
    }
    if (!fs::is_directory(argument, error))
        return false;
    std::vector<fs::path> found;
    for (fs::recursive_directory_iterator it(argument, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_regular_file(error))
            found.push_back(it->path());
    }
    if (error)
        return false;
    std::sort(found.begin(), found.end());
    inputs.insert(inputs.end(), found.begin(), found.end());
    return true;
}

bool readFile(const fs::path& path, std::vector<char>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

} // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE_OR_FOLDER...\n", argv[0]);
        return 2;
    }
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-') {
            std::fprintf(stderr, "replay: %s: options are libFuzzer's; this runs inputs only\n",
                         argv[i]);
            return 2;
        }
        if (!collectInputs(argv[i], inputs)) {
            std::fprintf(stderr, "replay: %s: no such file or folder\n", argv[i]);
            return 2;
        }
    }
    // A corpus moved or emptied would otherwise pass without running anything.
    if (inputs.empty()) {
        std::fprintf(stderr, "replay: no input in the folders given\n");
        return 1;
    }

    installCrashHandlers();
    std::vector<char> bytes;
    for (const fs::path& path : inputs) {
        if (!readFile(path, bytes)) {
            std::fprintf(stderr, "replay: cannot read %s\n", path.c_str());
            return 1;
        }
        const std::string name = path.string();
        std::snprintf(g_current, sizeof g_current, "%s", name.c_str());
        const std::size_t size = bytes.size();
        const std::unique_ptr<std::uint8_t[]> copy(new std::uint8_t[size]);
        std::copy(bytes.begin(), bytes.end(), copy.get());
        LLVMFuzzerTestOneInput(copy.get(), size);
        g_current[0] = '\0';
    }
    std::printf("replay: %zu inputs run\n", inputs.size());
    return 0;
}

// ravelta-import: what an earnings source holds, as JSON. See usageText() for the formats.
#include "import_json.h"
#include "calc/reference.h"
#include "engine/errors.h"
#include "protect/reference_container.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

namespace {

constexpr int kExitBadInput = 1;
constexpr int kExitNothingFound = 2;

const char* usageText() {
    return R"(Usage: ravelta-import FILE | -
       ravelta-import --help

Reads the earnings in FILE (or standard input): a PDF statement of insured earnings, its text
copied from a viewer or a browser, a wage certificate's text, or a CSV/TSV table (year;month;
amount, "MM.YYYY amount", months by years or years by months), and prints what it found.

Output (JSON), exit code 0:
  {"person": {"name", "rnokpp", "rnokpp_valid", "birthdate": "dd.mm.yyyy" or null} or null,
   "earnings": [{"year", "month" (1..12), "amount", "experience_months" (or null)}, ...],
   "flags": [{"year", "month" (1..12, or null for the whole year), "code", "text"}, ...],
   "unread": [lines with amounts that it could not place]}
  Flag codes: total_mismatch, several_employers, below_minimum_wage, far_above_average,
  old_currency (the amount looks like karbovanets or roubles; the text gives it in hryvnias).
A source without any month: {"error": "the reason"}, exit code 2.
A file that cannot be read: a message on standard error, exit code 1.
)";
}

bool readAll(const std::string& path, std::string& bytes) {
    if (path == "-") {
        bytes.assign(std::istreambuf_iterator<char>(std::cin), {});
        return !std::cin.bad();
    }
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(file), {});
    return !file.bad();
}

void print(const nlohmann::ordered_json& document) {
    std::cout << document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << usageText();
        return kExitBadInput;
    }
    const std::string_view argument = argv[1];
    if (argument == "--help") {
        std::cout << usageText();
        return 0;
    }
    if (argument.size() > 1 && argument.front() == '-') {
        std::cerr << usageText();
        return kExitBadInput;
    }
    std::string bytes;
    if (!readAll(std::string(argument), bytes)) {
        std::cerr << "ravelta-import: cannot read " << argument << '\n';
        return kExitBadInput;
    }
    try {
        const auto reference = rv::Reference::fromStored(rv::EmbeddedReferenceData());
        const rv::cli::ImportOutcome outcome = rv::cli::readImportSource(*reference, bytes);
        if (outcome.failure) {
            print({{"error", *outcome.failure}});
            return kExitNothingFound;
        }
        print(rv::cli::importJson(outcome));
        return 0;
    } catch (const rv::UserError& error) { // the reference data could not be unpacked
        std::cerr << "ravelta-import: " << error.what() << '\n';
        return kExitNothingFound;
    }
}

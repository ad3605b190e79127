// ravelta-calc: the pension calculation without a window. See usageText() for the formats.
#include "batch.h"
#include "case_input.h"
#include "earnings_option.h"
#include "pipeline.h"
#include "reference_json.h"
#include "store/dmMain.h"
#include "store/engine/errors.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

namespace {

constexpr int kExitRefused = 2;
constexpr int kExitBadInput = 1;

const char* usageText() {
    return R"(Usage: ravelta-calc [--save-case OUT.csf] FILE | -
                               calculate the case in FILE (JSON, or a case file *.csf)
                               or in standard input (JSON); with --save-case, also write
                               the calculated case as a case file
       ravelta-calc --earnings SOURCE FILE | -
                               calculate the case with the earnings of SOURCE (a statement's
                               PDF or text, a wage certificate, a CSV year;month;amount) in
                               place of the case's earnings for the months it names
       ravelta-calc --batch FILE | -
                               calculate JSON Lines of cases on every core: one result or
                               error line per input line, in input order
       ravelta-calc --reference     print the embedded reference data
       ravelta-calc --help          print this text

Runs a case as a person does in the window: confirm the person, store each period,
confirm the periods, store each earning, calculate. Dates are "dd.mm.yyyy", months 1..12,
numbers use "." as the decimal point. A case file is loaded as the window loads it: its
periods are stored again and, when it has a ledger, the case is calculated for its stored
application date ("result" is null without a ledger).

Input (JSON):
  {"person": {"name": "...", "birthdate": "dd.mm.yyyy", "gender": 0 (man) | 1 (woman),
              "application_date": "dd.mm.yyyy"},
   "periods": [{"begin": "dd.mm.yyyy", "end": "dd.mm.yyyy"}, ...],
   "earnings": [{"year": 2005, "month": 3, "amount": 1234.5}, ...]}

Output (JSON), exit code 0:
  {"result": {"right": bool (the right exists on the application date), "incomplete": bool,
              "law": {"age_rule": the age of the way to the right (60, 63, 65; a woman's
                                  pension age by birth date; 0 for any age, ст. 26 ч. 5),
                      "required_months": the experience that way needs, in months,
                      "right_date": "dd.mm.yyyy" the day the right arises (with no right
                                    yet: the day it arises by working on), or null,
                      "shortfall_months": months of experience still missing (0 if none)},
              "fields": {results panel texts by control name: lRight (which way gave the
                         right, or why there is none), edtPensAge, edtFullSS, edtSSMonth,
                         edtSSMonth2, edtSumK, lAvgZpForYear, edtAvgZpForYear,
                         lNoAvgForYear (null when hidden), edtEarningK, edtValuation,
                         edtISSK, edtPens, lMinPens, edtMinPens, edtMinPens65, edtExtraPens,
                         edtMaxPens, edfFullPens, lPensNotFull (null when hidden)},
              "hints": {lRight, edtEarningK, edtValuation, edtISSK, edtPens, edtMinPens65,
                        edtExtraPens, edtMaxPens, edfFullPens},
              "values": {M, N1, N, SumK, AvgZp, K, KS, P, MinP, Extra, Total,
                         Kv1 (the valuation of a year of experience used, ст. 25),
                         MinP65 (the minimum for 65 and older, ст. 28 ч. 2, or null),
                         MaxP (the maximum pension, ст. 27 ч. 3, or null),
                         ProportionalMinP (the proportional minimum, ст. 28 ч. 3, or null)}},
   "periods": [{begin, end, exp_day, exp_day_str}, ...],
   "ledger": [{year, month (1..12), avg_zp, avg_zp_year, min_zp, payment, k, day,
               month_day, opt1, opt2}, ...]}
  Raw numbers read back to the same double.

A step that refuses the case prints, with exit code 2:
  {"error": {"stage": "person" | "periods" | "earnings" | "calculation" | "load" | "save",
             "code": the person confirmation code or null,
             "messages": [the program's texts, in order]}}
Malformed input: a message on standard error and exit code 1.
)";
}

bool readAll(const std::string& path, std::string& text) {
    if (path == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), {});
        return !std::cin.bad();
    }
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    text.assign(std::istreambuf_iterator<char>(file), {});
    return !file.bad();
}

void print(const nlohmann::ordered_json& document) {
    std::cout << document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

bool isCaseFile(const std::string& path) {
    return path.size() > 4 && path.compare(path.size() - 4, 4, ".csf") == 0;
}

int runFile(const std::string& path, const std::optional<std::string>& savePath) {
    if (isCaseFile(path)) {
        if (!std::filesystem::is_regular_file(path)) {
            std::cerr << "ravelta-calc: cannot read " << path << '\n';
            return kExitBadInput;
        }
        const rv::cli::PipelineOutput output = rv::cli::runCaseFile(path, savePath);
        print(output.document);
        return output.refused ? kExitRefused : 0;
    }
    std::string text;
    if (!readAll(path, text)) {
        std::cerr << "ravelta-calc: cannot read " << path << '\n';
        return kExitBadInput;
    }
    rv::cli::CaseInput input;
    try {
        input = rv::cli::parseCaseInput(nlohmann::json::parse(text));
    } catch (const nlohmann::json::parse_error& error) {
        std::cerr << "ravelta-calc: " << path << " is not valid JSON: " << error.what() << '\n';
        return kExitBadInput;
    } catch (const rv::cli::InputError& error) {
        std::cerr << "ravelta-calc: " << path << ": " << error.what() << '\n';
        return kExitBadInput;
    }
    const rv::cli::PipelineOutput output = rv::cli::runCase(input, savePath);
    print(output.document);
    return output.refused ? kExitRefused : 0;
}

} // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> exitCode = rv::cli::runBatchCommand(argc, argv))
        return *exitCode;
    if (const std::optional<int> exitCode = rv::cli::runEarningsCommand(argc, argv))
        return *exitCode;
    std::optional<std::string> savePath;
    int next = 1;
    if (argc == 4 && std::string_view(argv[1]) == "--save-case") {
        savePath = argv[2];
        next = 3;
    }
    if (argc != next + 1) {
        std::cerr << usageText();
        return kExitBadInput;
    }
    const std::string_view argument = argv[next];
    try {
        if (savePath && argument.size() > 1 && argument.front() == '-') {
            std::cerr << usageText();
            return kExitBadInput;
        }
        if (argument == "--help") {
            std::cout << usageText();
            return 0;
        }
        if (argument == "--reference") {
            rv::TdMain dm;
            print(rv::cli::referenceDataJson(dm));
            return 0;
        }
        if (argument.size() > 1 && argument.front() == '-') {
            std::cerr << usageText();
            return kExitBadInput;
        }
        return runFile(std::string(argument), savePath);
    } catch (const rv::UserError& error) { // the reference data could not be unpacked
        std::cerr << "ravelta-calc: " << error.what() << '\n';
        return kExitRefused;
    }
}

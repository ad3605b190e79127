// ravelta-calc: the pension calculation without a window. See usageText() for the formats.
#include "batch.h"
#include "calc/messages.h"
#include "case_input.h"
#include "cli/cli_messages.h"
#include "earnings_option.h"
#include "engine/errors.h"
#include "input_reading.h"
#include "pipeline.h"
#include "protocol_output.h"
#include "reference_json.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <new>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr int kExitRefused = 2;
constexpr int kExitBadInput = 1;

const char* usageText() {
    return R"(Usage: ravelta-calc [--save-case OUT.csf] [--protocol OUT.pdf] FILE | -
                               calculate the case in FILE (JSON, or a case file *.csf)
                               or in standard input (JSON); with --save-case, also write
                               the calculated case as a case file; with --protocol, also
                               write the protocol of the calculation as an A4 PDF (needs no
                               display). Options may come before or after FILE;
                               "--save-case=OUT.csf" works too, and "--" ends the options
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
   "periods": [{"begin": "dd.mm.yyyy", "end": "dd.mm.yyyy", "kind": "work"}, ...],
   "earnings": [{"year": 2005, "month": 3, "amount": 1234.5}, ...],
   "extra_exclusions": true,
   "scenarios": [...]}    (optional: what-if variants of the case, each calculated on a copy)
  "kind" (optional, default "work") is what the period was:
     "work"          paid work
     "military"      contract or mobilised service: the pay entered, capped by the military
                     pay's own maximum where the law sets one (15 minimum wages from 2026)
     "conscript"     compulsory service
     "study"         full-time study: experience before 2004 only
     "child_care"    care of a child; before 2004 up to each child's 3rd birthday
     "disabled_care" care of a person with a disability or of a pensioner
     "unemployment"  months of the unemployment benefit
     "maternity"     maternity leave: the pay entered
     "captivity"     captivity
  Every kind counts in the insurance experience. From 2004 months of conscript, child_care,
  disabled_care, unemployment and captivity count whole; months of military (to 2017),
  maternity (2004 to 06.2013) and child_care (2004) that their pay does not credit count for
  the right only (розд. XV п. 3-1), not in the experience coefficient. Months from 2011 of the
  kinds the law names on the assignment date take the month's minimum wage as their earning
  (ст. 40 ч. 2). A credited period may lie on a work period: those days count once, as its
  kind; two work periods, or two credited ones, may not share a day. Another kind is an error
  (exit code 1).
  "extra_exclusions" (optional, default true): leave out of the wage coefficient the months
  the law lets the person leave out besides the 10 % (ст. 40 ч. 1 абз. 3): service, study and
  care from 07.2000 to 2004, months of the insured kinds (conscript, child_care,
  disabled_care, captivity), the quarantine (03.2020-12.2023) and martial law (from 02.2022),
  each only when that raises the coefficient and at least 60 months of wages remain;
  false keeps them all.
  A variant is {"name": "...", and exactly one of:
     "work_months": 1..600, "monthly_wage": hryvnias | null
                   work that many more months from the day after the last period (or from
                   the application date, if later), then apply; null wage: "as now", the
                   average coefficient of the last 12 months with earnings times each month's
                   average wage (months ahead take the last one known, in today's prices)
     "apply_on": "dd.mm.yyyy"   apply on that day instead, under the rules of that day
     "voluntary_months": 1..600 pay voluntary contributions (ст. 10 Закону № 2464-VI) for
                   that many whole months from the first whole month after the last period
                   (or the application date), then apply: each month at the minimum
                   contribution, 22 % of the minimum wage, counts as a month of experience
                   with the minimum wage as earnings. Paying for past periods is not modelled.}

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
                         edtMaxPens, edfFullPens, lPensNotFull (null when hidden),
                         lEstimates (counted months with estimated reference
                         figures; null when none), lCredited (the periods credited
                         without work, ст. 24, and the months for the right only; null
                         when none), lExclusions (the months left out by the extra
                         exclusions, by reason; null when none)},
              "hints": {lRight, edtEarningK, edtValuation, edtISSK, edtPens, edtMinPens65,
                        edtExtraPens, edtMaxPens, edfFullPens},
              "values": {M, N1, N, SumK, AvgZp, K, KS, P, MinP, Extra, Total,
                         Kv1 (the valuation of a year of experience used, ст. 25),
                         MinP65 (the minimum for 65 and older, ст. 28 ч. 2, or null),
                         MaxP (the maximum pension, ст. 27 ч. 3, or null),
                         ProportionalMinP (the proportional minimum, ст. 28 ч. 3, or null),
                         ExtraExcluded (months left out by the extra exclusions),
                         MRight (whole months of the experience for the right, ст. 26,
                                 with the months that count for the right only)}},
   "periods": [{begin, end, kind, exp_day, exp_day_str}, ...],
   "ledger": [{year, month (1..12), avg_zp, avg_zp_year, min_zp, payment, k, day,
               month_day, opt1, opt2, kind (the kind of most of the month's days),
               minimum_wage (true: the minimum wage stands as its payment, ст. 40 ч. 2),
               excluded (null, or why the month is out of the average: "optimisation",
               "pre2005_nonwage", "credited", "martial_law", "quarantine")}, ...],
   with "scenarios" in the input, also:
   "scenarios": [{name, right, age_rule, right_date, application_date, assignment_date,
                  M, K, KS, Total, delta (Total minus today's, hryvnias a month),
                  added_from, added_until, monthly_wage (of the months added, or null),
                  cost (voluntary contributions paid, or null), payback_months (months of
                  the gain that repay the cost, or null), best (the highest Total),
                  error (null, or why the variant could not be calculated)}, ...],
   "earliest_right": null when the case has the right, else {date (the day the right
                  arises by working on as now), right, age_rule, right_date,
                  application_date, assignment_date, M, K, KS, Total} or null when none
                  arises within the search}
  Raw numbers read back to the same double.

A step that refuses the case prints, with exit code 2:
  {"error": {"stage": "person" | "periods" | "earnings" | "calculation" | "scenarios" |
                      "load" | "save",
             "code": the person confirmation code or null,
             "messages": [the program's texts, in order]}}
Malformed input (or JSON input larger than 4 MiB), an unreadable file, or output that
cannot be written: a message on standard error and exit code 1.
)";
}

// A command line that does not fit the usage: the usage text goes to standard error.
struct UsageError {};

// What the command line asks for. Options may stand before or after the file, as in GNU tools;
// "--" ends the options, "-" names standard input.
struct Options {
    bool help = false;
    bool reference = false;
    std::optional<std::string> savePath;
    std::optional<std::string> protocolPath;
    std::optional<std::string> input;
};

struct KnownOption {
    std::string_view name;
    bool takesValue;
    void (*apply)(Options&, std::string value);
};

const KnownOption kOptions[] = {
    {"--help", false, [](Options& options, std::string) { options.help = true; }},
    {"--reference", false, [](Options& options, std::string) { options.reference = true; }},
    {"--save-case", true,
     [](Options& options, std::string value) { options.savePath = std::move(value); }},
    {"--protocol", true,
     [](Options& options, std::string value) { options.protocolPath = std::move(value); }},
};

// option := "--" name ["=" value] | "--" name value (for an option that takes one)
Options parseOptions(int argc, char** argv) {
    Options options;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const bool isOption = !optionsEnded && argument.size() > 1 && argument.front() == '-';
        if (isOption && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (!isOption) {
            if (options.input)
                throw UsageError{}; // one file at a time
            options.input = std::string(argument);
            continue;
        }
        const std::size_t equals = argument.find('=');
        const std::string_view name = argument.substr(0, equals);
        const auto option =
            std::find_if(std::begin(kOptions), std::end(kOptions),
                         [&](const KnownOption& known) { return known.name == name; });
        if (option == std::end(kOptions))
            throw UsageError{};
        std::string value;
        if (equals != std::string_view::npos) {
            if (!option->takesValue)
                throw UsageError{};
            value = std::string(argument.substr(equals + 1));
        } else if (option->takesValue) {
            if (++i == argc)
                throw UsageError{};
            value = argv[i];
        }
        option->apply(options, std::move(value));
    }
    if (!options.help && options.reference &&
        (options.input || options.savePath || options.protocolPath))
        throw UsageError{};
    if (!options.help && !options.reference && !options.input)
        throw UsageError{};
    return options;
}

void print(const nlohmann::ordered_json& document) {
    std::cout << document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

// A case file by its extension, in any letter case (GOOD.CSF too).
bool isCaseFile(const std::string& path) {
    if (path.size() <= 4)
        return false;
    std::string extension = path.substr(path.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".csf";
}

int printed(const rv::cli::PipelineOutput& output) {
    print(output.document);
    return output.refused ? kExitRefused : 0;
}

int runFile(const std::string& path, const std::optional<std::string>& savePath,
            const rv::cli::CalculatedCase& calculated) {
    if (isCaseFile(path)) {
        std::error_code error;
        const auto status = std::filesystem::status(path, error);
        if (error)
            throw rv::cli::ReadError(rv::messages::kInputUnreadable +
                                     rv::cli::readFailureText(error));
        if (!std::filesystem::is_regular_file(status))
            throw rv::cli::ReadError(std::string(rv::messages::kInputUnreadable) +
                                     rv::messages::kReadNotAFile);
        return printed(rv::cli::runCaseFile(path, savePath, calculated));
    }
    const std::string text = rv::cli::readInput(path, rv::cli::kLargestJsonInput);
    return printed(rv::cli::runCase(rv::cli::parseCaseInput(rv::cli::parseCaseJson(text)), savePath,
                                    calculated));
}

// The case, and its protocol when asked: a protocol not written is reported after the result.
int runCaseWithProtocol(const Options& options) {
    if (!options.protocolPath)
        return runFile(*options.input, options.savePath, {});
    rv::cli::ProtocolOutput protocol(*options.protocolPath);
    const int exitCode = runFile(*options.input, options.savePath, protocol.writer());
    if (const auto failure = protocol.failure()) {
        std::cerr << "ravelta-calc: " << *options.protocolPath << ": " << *failure << '\n';
        return exitCode == 0 ? kExitBadInput : exitCode;
    }
    return exitCode;
}

int run(const Options& options) {
    if (options.help) {
        std::cout << usageText();
        return 0;
    }
    if (options.reference) {
        print(rv::cli::referenceDataJson());
        return 0;
    }
    return runCaseWithProtocol(options);
}

// Everything that can go wrong, mapped to a message and an exit code in this one place.
int runReportingErrors(int argc, char** argv) {
    std::string input;
    const auto report = [&](const std::string& text) {
        std::cerr << "ravelta-calc: " << (input.empty() ? "" : input + ": ") << text << '\n';
    };
    try {
        const Options options = parseOptions(argc, argv);
        input = options.input.value_or("");
        return run(options);
    } catch (const UsageError&) {
        std::cerr << usageText();
    } catch (const rv::cli::ReadError& error) {
        report(error.what());
    } catch (const rv::cli::InputError& error) {
        report(error.what());
    } catch (const nlohmann::json::parse_error& error) {
        report(rv::messages::kInputNotJson + std::string(error.what()));
    } catch (const nlohmann::json::out_of_range& error) {
        report(rv::messages::kInputNumberOutOfRange + std::string(error.what()));
    } catch (const nlohmann::json::exception& error) {
        report(rv::messages::kInputNotJson + std::string(error.what()));
    } catch (const rv::UserError& error) { // the reference data could not be unpacked
        report(error.what());
        return kExitRefused;
    } catch (const std::bad_alloc&) {
        report(rv::messages::kOutOfMemory);
    } catch (const std::exception& error) {
        report(error.what());
    }
    return kExitBadInput;
}

// The batch and the earnings from a statement have their own arguments; the rest is a case.
int runCommand(int argc, char** argv) {
    if (const std::optional<int> exitCode = rv::cli::runBatchCommand(argc, argv))
        return *exitCode;
    if (const std::optional<int> exitCode = rv::cli::runEarningsCommand(argc, argv))
        return *exitCode;
    return runReportingErrors(argc, argv);
}

} // namespace

int main(int argc, char** argv) {
    const int exitCode = runCommand(argc, argv);
    // A result that did not reach its reader is a failure, not a success.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "ravelta-calc: " << rv::messages::kOutputFailed << '\n';
        return kExitBadInput;
    }
    return exitCode;
}

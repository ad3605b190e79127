// libFuzzer target for the JSON case of ravelta-calc, run as the calculator runs it: parse the
// text with its caps (parseCaseJson), read the case, then confirm the person, store and check the
// periods, store the earnings, calculate and run its what-if variants (rv::cli::runCase).
#include "cli/case_input.h"
#include "cli/pipeline.h"
#include "store/case_limits.h"
#include "calc/ledger_month.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace {

// Periods of more months than a lifetime are a legal input but cost seconds each (a ledger row
// per month up to the year 9999); the search is faster without them.
bool spansMoreThanALifetime(const rv::cli::CaseInput& input) {
    std::size_t months = 0;
    for (const auto& period : input.periods) {
        const rv::LedgerMonth begin = rv::ledgerMonthOf(period.begin);
        const rv::LedgerMonth end = rv::ledgerMonthOf(period.end);
        const long span = (end.year - begin.year) * 12L + (end.month0 - begin.month0) + 1;
        months += span > 0 ? static_cast<std::size_t>(span) : 0;
    }
    return months > rv::kMostLedgerMonths;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    rv::cli::CaseInput input;
    try {
        input = rv::cli::parseCaseInput(rv::cli::parseCaseJson(text));
    } catch (const nlohmann::json::exception&) {
        return 0;
    } catch (const rv::cli::InputError&) {
        return 0;
    }
    if (spansMoreThanALifetime(input))
        return 0;
    rv::cli::runCase(input, std::nullopt); // a refusal is a result, not a finding
    return 0;
}

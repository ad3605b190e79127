// JSON Lines of 45-year cases through ravelta-calc's batch, against the single calculation of
// the same case in the same run; items per second are cases per second.
#include "cli/batch.h"
#include "cli/case_input.h"
#include "cli/pipeline.h"

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <thread>

namespace {

// A man born in 1960 with one period of 540 months, 01.1980-12.2024, an earning in each month,
// applying in January 2025; the same JSON that a user feeds to ravelta-calc.
std::string fortyFiveYearCase() {
    nlohmann::json earnings = nlohmann::json::array();
    for (int year = 1980; year <= 2024; ++year)
        for (int month = 1; month <= 12; ++month)
            earnings.push_back(
                {{"year", year},
                 {"month", month},
                 {"amount", year < 1996 ? 0.00002 * (month + 100) : 40.0 * year - 79000 + month}});
    const nlohmann::json document = {
        {"person",
         {{"name", "Коваль"},
          {"birthdate", "01.01.1960"},
          {"gender", 0},
          {"application_date", "01.01.2025"}}},
        {"periods", {{{"begin", "01.01.1980"}, {"end", "31.12.2024"}}}},
        {"earnings", earnings}};
    return document.dump();
}

void BM_SingleCalculation(benchmark::State& state) {
    const rv::cli::CaseInput input =
        rv::cli::parseCaseInput(nlohmann::json::parse(fortyFiveYearCase()));
    for (auto _ : state) {
        const rv::cli::PipelineOutput output = rv::cli::runCase(input, std::nullopt);
        benchmark::DoNotOptimize(output.document.size());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SingleCalculation)->Unit(benchmark::kMillisecond)->UseRealTime();

// Arg: the number of workers; 0 takes every core.
void BM_Batch(benchmark::State& state) {
    const unsigned workers = state.range(0) == 0 ? std::thread::hardware_concurrency()
                                                 : static_cast<unsigned>(state.range(0));
    constexpr int kCases = 64;
    std::string lines;
    const std::string line = fortyFiveYearCase();
    for (int i = 0; i < kCases; ++i)
        lines += line + "\n";
    for (auto _ : state) {
        std::istringstream in(lines);
        std::ostringstream out;
        rv::cli::runBatch(in, out, workers);
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(state.iterations() * kCases);
    state.counters["workers"] = workers;
    state.counters["cases_per_second_per_core"] = benchmark::Counter(
        static_cast<double>(state.iterations() * kCases) / workers, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Batch)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

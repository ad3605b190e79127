// The what-if variants of a 45-year working life on the real reference data: the panel
// recalculates one on every move of its slider.
#include "store/dm_calculation.h"
#include "calc/scenarios.h"
#include "career.h"

#include <benchmark/benchmark.h>

namespace {

using namespace rv;
using namespace rv::bench;

void BM_ScenarioRunnerOfTheOpenCase45Years(benchmark::State& state) {
    Career career(540, false);
    const CalculationResult today = Calculate(*career.dm, career.application, '.');
    for (auto _ : state) {
        const ScenarioRunner runner = openCaseScenarios(*career.dm, today, career.application);
        benchmark::DoNotOptimize(runner.today().total);
    }
}

// One variant: two more years of work as now, then apply.
void BM_ScenarioWorkLonger45Years(benchmark::State& state) {
    Career career(540, false);
    const CalculationResult today = Calculate(*career.dm, career.application, '.');
    const ScenarioRunner runner = openCaseScenarios(*career.dm, today, career.application);
    for (auto _ : state)
        benchmark::DoNotOptimize(runner.run({"", WorkLonger{24, std::nullopt}}));
}

void BM_ScenarioApplyLater45Years(benchmark::State& state) {
    Career career(540, false);
    const CalculationResult today = Calculate(*career.dm, career.application, '.');
    const ScenarioRunner runner = openCaseScenarios(*career.dm, today, career.application);
    for (auto _ : state)
        benchmark::DoNotOptimize(runner.run({"", ApplyOn{IncMonth(career.application, 14)}}));
}

// The chart: five years of application dates, a point every month, two variants each.
void BM_ScenarioTotalsByDateFiveYears(benchmark::State& state) {
    Career career(540, false);
    const CalculationResult today = Calculate(*career.dm, career.application, '.');
    const ScenarioRunner runner = openCaseScenarios(*career.dm, today, career.application);
    for (auto _ : state)
        benchmark::DoNotOptimize(runner.totalsByApplicationDate(60, 1));
}

BENCHMARK(BM_ScenarioRunnerOfTheOpenCase45Years)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScenarioWorkLonger45Years)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScenarioApplyLater45Years)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScenarioTotalsByDateFiveYears)->Unit(benchmark::kMillisecond);

} // namespace

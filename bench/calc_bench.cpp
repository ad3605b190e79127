// A working life of n months with an earning in every month: the ledger build ("Підтвердити
// стаж"), typing every earning, and the calculation.
#include "store/dm_calculation.h"
#include "career.h"

#include <benchmark/benchmark.h>

namespace {

using namespace rv;
using namespace rv::bench;

void BM_LedgerBuild(benchmark::State& state) {
    Career career(static_cast<int>(state.range(0)), true);
    for (auto _ : state)
        career.verify();
    state.SetComplexityN(state.range(0));
}

void BM_EarningsEntry(benchmark::State& state) {
    Career career(static_cast<int>(state.range(0)), true);
    for (auto _ : state)
        career.typeEarnings();
    state.SetComplexityN(state.range(0));
}

void BM_Calculation(benchmark::State& state) {
    Career career(static_cast<int>(state.range(0)), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(Calculate(*career.dm, career.application, '.'));
    state.SetComplexityN(state.range(0));
}

// The target case on the real reference data: build the ledger of 45 years, then calculate.
void BM_LedgerBuildAndCalculation45Years(benchmark::State& state) {
    Career career(540, false);
    for (auto _ : state) {
        career.verify();
        benchmark::DoNotOptimize(Calculate(*career.dm, career.application, '.'));
    }
}

BENCHMARK(BM_LedgerBuild)->Arg(60)->Arg(540)->Arg(1200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EarningsEntry)->Arg(60)->Arg(540)->Arg(1200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Calculation)->Arg(60)->Arg(540)->Arg(1200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LedgerBuildAndCalculation45Years)->Unit(benchmark::kMicrosecond);

} // namespace

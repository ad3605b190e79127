#include "store/dmMain.h"

#include <benchmark/benchmark.h>

namespace {

// The data module's creation: unpack the embedded reference data and fill every table.
void BM_DataModuleCreation(benchmark::State& state) {
    for (auto _ : state) {
        rv::TdMain module;
        benchmark::DoNotOptimize(module.cdsAvgZpMonth.recordCount());
    }
}
BENCHMARK(BM_DataModuleCreation)->Unit(benchmark::kMicrosecond);

void BM_UnpackReferenceData(benchmark::State& state) {
    for (auto _ : state) {
        rv::ReferenceData data;
        rv::UnpackReferenceData(rv::EmbeddedReferenceData(), data);
        benchmark::DoNotOptimize(data.texts[0].size());
    }
}
BENCHMARK(BM_UnpackReferenceData)->Unit(benchmark::kMicrosecond);

} // namespace

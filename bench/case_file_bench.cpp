#include "protect/case_file.h"
#include "store/dmMain.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr int kFirstYear = 1980;
constexpr int kYears = 45;

// One person, three periods and 45 years of ledger months with earnings, posted as given
// (super-state: no evaluation).
void buildWorkingLife(rv::TdMain& dm) {
    const std::int32_t id = dm.NewPersonId();
    dm.cdsPerson.append();
    dm.cdsPerson.setValue("person_id", id);
    dm.cdsPerson.setValue("person_name", std::string("Олена Коваль"));
    dm.cdsPerson.setValue("person_birthdate", rv::dateFromCivil(1962, 3, 14));
    dm.cdsPerson.setValue("person_gender", 1);
    dm.cdsPerson.setValue("person_exp_verified", 0);
    dm.cdsPerson.setValue("person_af_date", rv::dateFromCivil(2025, 1, 10));
    dm.cdsPerson.post();
    const int periods[][2] = {{1980, 1994}, {1995, 2009}, {2010, 2024}};
    for (const auto& years : periods) {
        dm.cdsExp.append();
        dm.cdsExp.setValue("exp_date_begin", rv::dateFromCivil(years[0], 1, 1));
        dm.cdsExp.setValue("exp_date_finish", rv::dateFromCivil(years[1], 12, 31));
        dm.cdsExp.post();
    }
    dm.setSuperState(true);
    for (int year = kFirstYear; year < kFirstYear + kYears; ++year)
        for (int month0 = 0; month0 < 12; ++month0) {
            rv::Table& ledger = dm.cdsEarning;
            ledger.append();
            ledger.setValue("earning_id", id * 1000000 + year * 100 + month0);
            ledger.setValue("earning_person_id", id);
            ledger.setValue("earning_year", year);
            ledger.setValue("earning_month", month0);
            for (const char* name : {"earning_avg_zp", "earning_avg_zp_year", "earning_min_zp"})
                ledger.setValue(name, 1000.0 + year + month0 / 12.0);
            for (const char* name : {"earning_min_zp_year", "earning_payment_year"})
                ledger.setValue(name, 0.0);
            ledger.setValue("earning_payment", 1234.56 + year);
            ledger.setValue("earning_k", 1.23456);
            ledger.setValue("earning_day", 28); // within every month, as a load checks
            ledger.setValue("earning_month_day", 28);
            ledger.setValue("earning_opt1", std::string("+"));
            ledger.post();
        }
    dm.setSuperState(false);
}

// SaveCase and LoadCase of a 45-year case through a file in the temporary folder.
void BM_SaveAndLoadWorkingLife(benchmark::State& state) {
    rv::TdMain saving;
    buildWorkingLife(saving);
    rv::TdMain loading;
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("ravelta_bench_" + std::to_string(::getpid()) + ".csf");
    for (auto _ : state) {
        if (!saving.SaveCase(path.string()) || !loading.LoadCase(path.string()))
            state.SkipWithError("the case did not make the round trip");
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveAndLoadWorkingLife)->Unit(benchmark::kMicrosecond);

// The in-memory part of the same: snapshots, digest, cipher and the checks, no file.
void BM_PackAndUnpackWorkingLife(benchmark::State& state) {
    rv::TdMain dm;
    buildWorkingLife(dm);
    for (auto _ : state) {
        const std::string file = rv::PackCaseFile(
            dm.cdsPerson.saveSnapshot(), dm.cdsExp.saveSnapshot(), dm.cdsEarning.saveSnapshot());
        const rv::UnpackedCaseFile unpacked = rv::UnpackCaseFile(file);
        dm.cdsEarning.checkSnapshot(unpacked.ledger());
        benchmark::DoNotOptimize(unpacked.status());
    }
}
BENCHMARK(BM_PackAndUnpackWorkingLife)->Unit(benchmark::kMicrosecond);

} // namespace

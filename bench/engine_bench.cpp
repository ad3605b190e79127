#include "engine/table.h"

#include <benchmark/benchmark.h>

namespace {

std::vector<rv::FieldDef> ledgerLikeFields() {
    std::vector<rv::FieldDef> fields;
    for (const char* name : {"earning_id", "earning_person_id", "earning_year", "earning_month"})
        fields.push_back(rv::integerField(name));
    for (const char* name :
         {"earning_avg_zp", "earning_avg_zp_year", "earning_min_zp", "earning_min_zp_year",
          "earning_payment", "earning_payment_year", "earning_k"})
        fields.push_back(rv::floatField(name));
    fields.push_back(rv::integerField("earning_day"));
    fields.push_back(rv::integerField("earning_month_day"));
    fields.push_back(rv::textField("earning_opt1", 20));
    fields.push_back(rv::textField("earning_opt2", 20));
    return fields;
}

// Appending and posting n ledger-shaped rows into an indexed, filtered table, then editing
// each once: the table work of a ledger build and of clearing the marks.
void BM_LedgerShapedPosts(benchmark::State& state) {
    const auto months = static_cast<int>(state.range(0));
    for (auto _ : state) {
        rv::Table table("ledger", ledgerLikeFields());
        table.create();
        table.setIndexFieldNames("earning_id");
        table.setFilter("earning_person_id=1");
        table.setFiltered(true);
        for (int i = 0; i < months; ++i) {
            table.append();
            table.setValue("earning_id", 1000000 + 195000 + i);
            table.setValue("earning_person_id", 1);
            table.setValue("earning_year", 1950 + i / 12);
            table.setValue("earning_month", i % 12);
            for (const char* name :
                 {"earning_avg_zp", "earning_avg_zp_year", "earning_min_zp", "earning_min_zp_year",
                  "earning_payment", "earning_payment_year", "earning_k"})
                table.setValue(name, 1.5);
            table.setValue("earning_day", 30);
            table.setValue("earning_month_day", 30);
            table.setValue("earning_opt1", std::string());
            table.setValue("earning_opt2", std::string());
            table.post();
        }
        for (table.first(); !table.eof(); table.next()) {
            table.edit();
            table.setValue("earning_opt1", std::string("+"));
            table.post();
        }
        benchmark::DoNotOptimize(table.recordCount());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LedgerShapedPosts)->Arg(60)->Arg(540)->Arg(1200)->Unit(benchmark::kMicrosecond);

} // namespace

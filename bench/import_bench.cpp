// Reading a statement: a 25-year ОК-5 from its PDF (poppler's text and the reader) and from the
// text a browser copies out of it.
#include "import/pdf_text.h"
#include "import/statement_reading.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string form(const char* name) {
    std::ifstream file(std::string(RV_FORMS_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

void BM_ImportStatementPdf(benchmark::State& state) {
    const std::string bytes = form("ok5_portal.pdf");
    for (auto _ : state) {
        std::string failure;
        const auto reading = rv::import::readStatement(rv::import::sourceText(bytes, failure));
        benchmark::DoNotOptimize(reading.months.size());
    }
}
BENCHMARK(BM_ImportStatementPdf)->Unit(benchmark::kMillisecond);

void BM_ImportStatementCopiedText(benchmark::State& state) {
    const std::string text = form("ok5_portal.browser.txt");
    for (auto _ : state) {
        const auto reading = rv::import::readStatement(text);
        benchmark::DoNotOptimize(reading.months.size());
    }
}
BENCHMARK(BM_ImportStatementCopiedText)->Unit(benchmark::kMillisecond);

} // namespace

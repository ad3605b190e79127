#include "export/biff_writer.h"
#include "export/sheet.h"
#include "export/xlsx_writer.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr int kFirstYear = 1980;
constexpr int kYears = 45;

// The earnings sheet of a 45-year working life after a calculation: 540 months of 9 columns.
rv::Sheet workingLifeSheet() {
    rv::Sheet sheet;
    sheet.heading = "Олена Коваль, 14.03.1962 р. н. — заробітки; вивантажено 10.12.2026";
    sheet.titles = {"Рік",
                    "Місяць",
                    "Мінімальна ЗП по НГ в Україні *",
                    "Середня ЗП по НГ в Україні",
                    "Заробіток, грн **",
                    "Коефіцієнт ЗП місячний ***",
                    "Зараховано до СС, днів *",
                    "Враховано заробітки до 07-2000 після оптимізації",
                    "Виключено заробітки після оптимізації"};
    for (int year = kFirstYear; year < kFirstYear + kYears; ++year)
        for (int month0 = 0; month0 < 12; ++month0)
            sheet.rows.push_back(
                {year, std::string("Листопад"), rv::SheetNumber{1000.0 + year, "0.00"},
                 rv::SheetNumber{1000.0 + year + month0 / 12.0, "0.00###"},
                 rv::SheetNumber{1234.56 + year, "0.00"}, rv::SheetNumber{1.23456, "0.00###"}, 28,
                 std::string("+"), rv::SheetCell{}});
    sheet.totals = {std::string("Разом"),
                    {},
                    {},
                    {},
                    rv::SheetNumber{1.5e6, "0.00###"},
                    rv::SheetNumber{666.6624, "0.00###"}};
    return sheet;
}

// The .xls stream in memory: formats, widths and every cell.
void BM_BiffStreamOfAWorkingLife(benchmark::State& state) {
    const rv::Sheet sheet = workingLifeSheet();
    for (auto _ : state)
        benchmark::DoNotOptimize(rv::biffStream(sheet));
}
BENCHMARK(BM_BiffStreamOfAWorkingLife)->Unit(benchmark::kMillisecond);

// The .xlsx workbook through libxlsxwriter to a file in the temporary folder.
void BM_XlsxFileOfAWorkingLife(benchmark::State& state) {
    const rv::Sheet sheet = workingLifeSheet();
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("ravelta_bench_" + std::to_string(::getpid()) + ".xlsx");
    for (auto _ : state)
        rv::saveXlsxFile(path, sheet);
    std::filesystem::remove(path);
}
BENCHMARK(BM_XlsxFileOfAWorkingLife)->Unit(benchmark::kMillisecond);

} // namespace

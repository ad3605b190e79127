// The protocol of a 45-year case: built from the calculation and written as an A4 PDF (target:
// under 300 ms), laid out on Qt's offscreen platform as ravelta-calc does.
#include "calc/protocol.h"
#include "store/dm_calculation.h"
#include "case_builders.h"
#include "report/protocol_document.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>

namespace {

using namespace rv;
using namespace rv::testing_support;

// Fonts and painting need an application object; one offscreen for the whole run.
void ensureGuiApplication() {
    if (QGuiApplication::instance())
        return;
    static char program[] = "rv_bench";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* arguments[] = {program, platformOption, platform, nullptr};
    static int count = 3;
    new QGuiApplication(count, arguments); // lives until the program ends
}

void BM_Protocol45YearsAsPdf(benchmark::State& state) {
    ensureGuiApplication();
    TdMain dm;
    const Date birth = day("01.01.1960");
    const Date application = day("15.01.2025");
    confirmedPerson(dm, birth, 0, application);
    addPeriod(dm, day("01.01.1980"), day("31.12.2024"));
    dm.VerifyPeriods(birth);
    for (int i = 0; i < 540; ++i) {
        const int year = 1980 + i / 12;
        const int month0 = i % 12;
        dm.cdsEarning.locate("earning_id", ledgerKey(dm.currentPersonId(), year, month0));
        setEarning(dm, year, month0,
                   dm.cdsEarning.asFloat("earning_avg_zp") * (0.8 + (i % 9) * 0.1));
    }
    const CalculationResult result = Calculate(dm, application, ',');
    const Case open = dm.CurrentCase();
    const std::shared_ptr<const Reference> reference = dm.CalcReference();
    const QString path = QDir::temp().filePath(QStringLiteral("rv_bench_protocol.pdf"));
    for (auto _ : state) {
        const Protocol protocol =
            buildProtocol(open, *reference, result, {"15.01.2025 10:00", "1.2", ','});
        if (writeProtocolPdf(protocol, path))
            state.SkipWithError("the PDF was not written");
    }
    QFile::remove(path);
}

} // namespace

BENCHMARK(BM_Protocol45YearsAsPdf)->Unit(benchmark::kMillisecond);

// A 45-year case on the value core (the ledger from the period, then the calculation) beside a
// bare-array model of the same work: the limit this code can approach.
#include "calc/calculation.h"
#include "calc/calendar.h"
#include "calc/ledger_build.h"
#include "calc/pension_dates.h"
#include "calc/rounding.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

using namespace rv;

constexpr int kMonths = 540;
constexpr int kFirstYear = 2025 - (kMonths + 11) / 12;

double earningOf(int i) {
    return 900.0 + (i * 37) % 400;
}

// The man of the data module's 45-year benchmark, as values.
struct ValueCareer {
    std::shared_ptr<const Reference> reference = Reference::fromStored(EmbeddedReferenceData());
    Case person;
    std::map<LedgerMonth, double> earnings;
    Date application = dateFromCivil(2025, 1, 1);

    ValueCareer() {
        person.person = {"Бенчмарк", dateFromCivil(kFirstYear - 20, 1, 1), 0, application};
        const Date begin = dateFromCivil(kFirstYear, 1, 1);
        person.periods = {{begin, Date{IncMonth(begin, kMonths).serial - 1}}};
        for (int i = 0; i < kMonths; ++i)
            earnings[{kFirstYear + i / 12, i % 12}] = earningOf(i);
    }
};

void BM_ValueCoreLedgerAndCalculation45Years(benchmark::State& state) {
    ValueCareer career;
    for (auto _ : state) {
        Case person = career.person;
        person.months =
            buildLedger(person.periods, career.earnings, *career.reference, MonthEvaluation::ByLaw)
                .months;
        benchmark::DoNotOptimize(calculate(person, *career.reference, career.application));
    }
}

// The same work on bare arrays: each month's figures read from arrays, its coefficient and
// credited days, the experience, the best early window, the excluded run, the formula.
void BM_BareArrayModel45Years(benchmark::State& state) {
    ValueCareer career;
    const Reference& reference = *career.reference;
    const LedgerRules& rules = reference.ledgerRules();
    std::vector<double> averageWage(kMonths), minimumWage(kMonths), cap(kMonths), earning(kMonths);
    std::vector<int> monthLength(kMonths), monthStart(kMonths);
    for (int i = 0; i < kMonths; ++i) {
        const LedgerMonth month{kFirstYear + i / 12, i % 12};
        averageWage[i] = reference.averageWageOfMonth(month);
        minimumWage[i] = reference.minimumWage(month);
        cap[i] = reference.maximumIncome(MonthStart(month));
        earning[i] = earningOf(i);
        monthLength[i] = MonthLength(MonthStart(month));
        monthStart[i] = MonthStart(month).serial;
    }
    const int earlyEnd = rules.earlyWindowEnd.serial;
    const int creditFrom = rules.proportionalCreditFrom.serial;
    const int window = reference.limits().earlyWindowMonths;
    std::vector<double> coefficient(kMonths), counted;
    counted.reserve(kMonths);
    for (auto _ : state) {
        int days = 0;
        counted.clear();
        int early = 0;
        for (int i = 0; i < kMonths; ++i) {
            const double capped = std::min(earning[i], cap[i]);
            coefficient[i] = static_cast<double>(RoundToPlaces(capped / averageWage[i], 5));
            const int credited = monthStart[i] < creditFrom || capped >= minimumWage[i]
                                     ? monthLength[i]
                                     : static_cast<int>(RoundHalfEven(
                                           Extended{capped} / minimumWage[i] * monthLength[i]));
            days += credited;
            if (monthStart[i] < earlyEnd)
                ++early;
        }
        // The best early window, then every later month.
        double sum = 0, best = -1;
        int bestEnd = -1;
        for (int i = 0; i < early; ++i) {
            sum += coefficient[i];
            if (i >= window)
                sum -= coefficient[i - window];
            if (i >= window - 1 && sum > best) {
                best = sum;
                bestEnd = i;
            }
        }
        for (int i = std::max(bestEnd - window + 1, 0); i <= bestEnd; ++i)
            counted.push_back(coefficient[i]);
        for (int i = early; i < kMonths; ++i)
            counted.push_back(coefficient[i]);
        // The excluded run.
        const int months = days / 30; // the insurance months, near enough for the model
        const int count = static_cast<int>(counted.size());
        const int longest = std::min({reference.limits().mostExcludedMonths, months / 10,
                                      count - reference.limits().fewestKeptMonths});
        double total = 0;
        for (const double k : counted)
            total += k;
        double average = total / count;
        for (int end = 0; end < count; ++end) {
            double remaining = total;
            for (int k = 0; k < longest && end - k >= 0; ++k) {
                remaining -= counted[end - k];
                average = std::max(average, remaining / (count - k - 1));
            }
        }
        const double pension = 17486.94 * RoundToPlaces(average, 5) * months * 0.01 / 12;
        benchmark::DoNotOptimize(pension);
    }
}

BENCHMARK(BM_ValueCoreLedgerAndCalculation45Years)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareArrayModel45Years)->Unit(benchmark::kMicrosecond);

} // namespace

#pragma once

// A working life for the benchmarks: one period of n months with every month's earning typed.
#include "calc/pension_dates.h"
#include "case_builders.h"
#include "store/dmMain.h"

#include <memory>

namespace rv::bench {

using namespace rv::testing_support;

inline Date operator-(Date date, int days) {
    return Date{date.serial - days};
}

// A man whose single period holds `months` months, with every month's earning typed. With
// `syntheticReference` the reference tables hold one open row each from 1800 on, so that any
// length fits; otherwise the real tables apply (540 months end in December 2024).
struct Career {
    std::unique_ptr<TdMain> dm = std::make_unique<TdMain>();
    Date birth;
    Date application;
    int firstYear = 0;
    int months = 0;

    Career(int monthCount, bool syntheticReference) : months(monthCount) {
        firstYear = 2025 - (months + 11) / 12;
        if (syntheticReference) {
            for (Table* table : {&dm->cdsAvgZpMonth, &dm->cdsMinZP, &dm->cdsMaxIncome})
                setDatedRows(*table, {{day("01.01.1800"), std::nullopt, 1000}});
        }
        birth = dateFromCivil(firstYear - 20, 1, 1);
        application = dateFromCivil(2025, 1, 1);
        confirmedPerson(*dm, birth, 0, application);
        const Date begin = dateFromCivil(firstYear, 1, 1);
        addPeriod(*dm, begin, IncMonth(begin, months) - 1);
        verify();
        typeEarnings();
    }

    void verify() { dm->VerifyPeriods(birth); }

    void typeEarnings() {
        for (int i = 0; i < months; ++i)
            setEarning(*dm, firstYear + i / 12, i % 12, 900.0 + (i * 37) % 400);
    }
};

} // namespace rv::bench

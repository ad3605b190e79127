#include "store/period_totals.h"

#include "case_builders.h"

#include "store/dmMain.h"

#include <gtest/gtest.h>

namespace rv {
namespace {

using testing_support::addPeriod;
using testing_support::confirmedPerson;
using testing_support::day;

// The periods' lengths as the period table stores them, summed with days carried into months
// and months into years.
TEST(PeriodTotals, SumsTheStoredLengthsInNormalForm) {
    TdMain dm;
    confirmedPerson(dm, day("15.03.1950"), 0, day("20.03.2010"));
    EXPECT_EQ(sumPeriodLengths(dm.cdsExp), (YearsMonthsDays{0, 0, 0})) << "no period";
    addPeriod(dm, day("01.09.1985"), day("31.08.1990")); // 5/0/0
    addPeriod(dm, day("01.10.1990"), day("15.03.2004")); // 13/5/15
    EXPECT_EQ(sumPeriodLengths(dm.cdsExp), (YearsMonthsDays{18, 5, 15}));
    addPeriod(dm, day("01.01.2005"), day("20.11.2005")); // 0/10/20: 35 days, 16 months
    const int recNo = dm.cdsExp.recNo();
    EXPECT_EQ(sumPeriodLengths(dm.cdsExp), (YearsMonthsDays{19, 4, 5}));
    EXPECT_EQ(dm.cdsExp.recNo(), recNo);
}

TEST(PeriodTotals, AnUnreadableLengthIsRefusedWithItsText) {
    Table periods("exp", {textField("exp_day_str", 20)});
    periods.create();
    for (const char* text : {"1/2/3", "5 років"}) {
        periods.append();
        periods.setValue("exp_day_str", Value(std::string(text)));
        periods.post();
    }
    try {
        sumPeriodLengths(periods);
        FAIL() << "no refusal";
    } catch (const ConversionError& error) {
        EXPECT_EQ(std::string(error.what()), "Не вдалося підсумувати стаж: тривалість періоду "
                                             "«5 років» записано неправильно.");
    }
}

} // namespace
} // namespace rv

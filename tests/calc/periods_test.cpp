// A period's own dates and length, and the checks of the periods before the ledger is built of
// them: the youngest age of work and no day in two periods.
#include "calc/case_entry.h"

#include "period_cases.h"
#include "value_cases.h"

#include "calc/calendar.h"
#include "calc/ledger_build.h"
#include "calc/periods.h"
#include "engine/errors.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace rv {
namespace {

using testing_support::day;
using testing_support::lawReference;
using testing_support::PeriodsOutcome;

TEST(PeriodsTest, APeriodsDatesAreCheckedAndItIsMeasured) {
    for (const testing_support::PeriodPostingCase& c : testing_support::periodPostingCases()) {
        SCOPED_TRACE(c.name);
        const CasePeriod period = testing_support::period(c.begin, c.finish);
        if (c.refusal) {
            try {
                checkPeriodDates(period);
                ADD_FAILURE() << "not refused";
            } catch (const UserError& error) {
                EXPECT_STREQ(error.what(), c.refusal);
            }
            continue;
        }
        EXPECT_NO_THROW(checkPeriodDates(period));
        const PeriodLength length = ExpPeriodLength(*period.begin, *period.finish);
        EXPECT_EQ(length.days, c.days);
        EXPECT_EQ(length.text, c.length);
    }
}

TEST(PeriodsTest, AgeAndOverlapsAreCheckedBeforeTheLedgerIsBuilt) {
    const Reference& reference = *lawReference();
    const int minimumAge = reference.ledgerRules().minimumWorkingAge;
    ASSERT_EQ(minimumAge, 14);
    for (const testing_support::PeriodsCheckCase& c : testing_support::periodsCheckCases()) {
        SCOPED_TRACE(c.name);
        const std::vector<CasePeriod> periods = testing_support::periodsOf(c.periods);
        const Date birth = day(c.birth);

        EXPECT_EQ(periodWarnings(periods, birth, reference), c.warnings);
        const PeriodsCheck check = checkPeriods(periods, birth, minimumAge);
        EXPECT_EQ(check.ageFailure, c.ageFailure);
        EXPECT_EQ(check.overlapFailure, c.overlapFailure);
        EXPECT_EQ(periods.empty(), c.outcome == PeriodsOutcome::NoPeriods);
        EXPECT_EQ(check.passed() && !periods.empty(), c.outcome == PeriodsOutcome::LedgerBuilt);
        if (c.outcome == PeriodsOutcome::LedgerBuilt) {
            const LedgerBuild build = buildLedger(periods, {}, reference, MonthEvaluation::ByLaw);
            EXPECT_FALSE(build.refusal);
            EXPECT_FALSE(build.months.empty());
        }
    }
}

} // namespace
} // namespace rv

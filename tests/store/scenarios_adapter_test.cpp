// The variants of the case open in the data module: copied from its tables, never written back,
// and refused while the case is being edited.
#include "calc/scenarios.h"
#include "store/dm_calculation.h"

#include "case_builders.h"

#include "calc/messages.h"
#include "engine/errors.h"
#include "store/dmMain.h"
#include "store/store_messages.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace rv {
namespace {

using testing_support::addPeriod;
using testing_support::confirmedPerson;
using testing_support::day;
using testing_support::RecordingPrompt;

struct Period {
    const char* begin;
    const char* end;
};

// A person, their periods and every ledger month paid at `coefficient` times the month's average
// wage; calculated for the application date.
struct CalculatedCase {
    CalculatedCase(const char* birthDate, int gender, const char* applicationDate,
                   const std::vector<Period>& periods, double coefficient)
        : application(day(applicationDate)) {
        dm.setPrompt(&prompt);
        confirmedPerson(dm, day(birthDate), gender, application);
        for (const Period& period : periods)
            addPeriod(dm, day(period.begin), day(period.end));
        if (dm.VerifyPeriods(day(birthDate)).outcome != VerifyResult::Outcome::LedgerBuilt)
            throw std::logic_error("the test case's periods were refused");
        Table& ledger = dm.cdsEarning;
        for (ledger.first(); !ledger.eof(); ledger.next()) {
            const LedgerMonth month{ledger.asInteger("earning_year"),
                                    ledger.asInteger("earning_month")};
            ledger.edit();
            ledger.setValue("earning_payment",
                            std::round(coefficient * dm.GetAvgZpMonth(month) * 100) / 100);
            ledger.post();
        }
        result = Calculate(dm, application, '.');
    }

    ScenarioRunner runner() { return openCaseScenarios(dm, result, application); }

    RecordingPrompt prompt;
    TdMain dm;
    Date application;
    CalculationResult result;
};

// A man of 60 on 16.03.2025 (the day after the birthday) with 27 years of experience, five short of
// the 32 the law asks at 60 in 2025 (ст. 26 ч. 1); at 63, in 2028, 25 years suffice (ч. 2).
CalculatedCase fiveYearsShortAtSixty() {
    return CalculatedCase("15.03.1965", 0, "17.03.2025", {{"01.03.1998", "28.02.2025"}}, 1.2);
}

// Every bytes of the three case tables, their filters and the result stay as they were.
TEST(OpenCaseScenariosTest, TheOpenCaseIsUntouchedByEveryKindOfVariant) {
    CalculatedCase open = fiveYearsShortAtSixty();
    const auto state = [&open] {
        std::array<std::string, 3> bytes;
        bytes[0] = open.dm.cdsPerson.saveSnapshot();
        bytes[1] = open.dm.cdsExp.saveSnapshot();
        bytes[2] = open.dm.cdsEarning.saveSnapshot();
        return bytes;
    };
    const auto before = state();
    const bool filtered = open.dm.cdsEarning.filtered();
    const int ledgerRows = open.dm.cdsEarning.recordCount();
    {
        ScenarioRunner runner = open.runner();
        runner.runAll({{"", WorkLonger{40, std::nullopt}},
                       {"", ApplyOn{day("01.06.2028")}},
                       {"", VoluntaryContributions{12}}});
        runner.earliestRight();
        runner.totalsByApplicationDate(12, 6);
    }
    EXPECT_EQ(state(), before);
    EXPECT_EQ(open.dm.cdsEarning.filtered(), filtered);
    EXPECT_EQ(open.dm.cdsEarning.recordCount(), ledgerRows);
    const CalculationResult again = Calculate(open.dm, open.application, '.');
    EXPECT_EQ(again.insuranceMonths, open.result.insuranceMonths);
    EXPECT_EQ(again.right.rightDate, open.result.right.rightDate);
}

TEST(OpenCaseScenariosTest, ACaseBeingEditedOrNotCalculatedHasNoVariants) {
    CalculatedCase open = fiveYearsShortAtSixty();
    open.dm.cdsExp.first();
    open.dm.cdsExp.edit();
    try {
        const ScenarioRunner runner = openCaseScenarios(open.dm, open.result, open.application);
        FAIL() << "a case being edited was copied";
    } catch (const UserError& error) {
        EXPECT_STREQ(error.what(), messages::kScenarioEditPending);
    }
    open.dm.cdsExp.cancel();

    TdMain empty;
    try {
        const ScenarioRunner runner = openCaseScenarios(empty, CalculationResult{}, day("01.01.2026"));
        FAIL() << "a case without a ledger was copied";
    } catch (const UserError& error) {
        EXPECT_STREQ(error.what(), messages::kScenarioNotCalculated);
    }
}

} // namespace
} // namespace rv

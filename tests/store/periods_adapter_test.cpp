// The period table in the data module: each period checked and measured as it is posted, the
// identities kept, the checks before the ledger prompted and a refusal leaving the ledger as it
// was.
#include "calc/messages.h"
#include "case_builders.h"
#include "engine/errors.h"
#include "period_cases.h"
#include "store/dmMain.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rv {
namespace {

using testing_support::addPeriod;
using testing_support::confirmedPerson;
using testing_support::day;
using testing_support::RecordingPrompt;
using testing_support::setEarning;

using Outcome = VerifyResult::Outcome;

Outcome outcomeOf(testing_support::PeriodsOutcome outcome) {
    switch (outcome) {
    case testing_support::PeriodsOutcome::NoPeriods:
        return Outcome::NoPeriods;
    case testing_support::PeriodsOutcome::Refused:
        return Outcome::Refused;
    case testing_support::PeriodsOutcome::LedgerBuilt:
        return Outcome::LedgerBuilt;
    }
    return Outcome::NoPeriods;
}

class PeriodsAdapterTest : public testing::Test {
protected:
    void SetUp() override {
        dm.setPrompt(&prompt);
        personId = confirmedPerson(dm, day("01.01.1950"), 0, day("01.01.2012"));
    }

    RecordingPrompt prompt;
    TdMain dm;
    std::int32_t personId = 0;
};

TEST_F(PeriodsAdapterTest, PostingAPeriodChecksItsDatesAndMeasuresIt) {
    for (const testing_support::PeriodPostingCase& c : testing_support::periodPostingCases()) {
        SCOPED_TRACE(c.name);
        dm.cdsExp.append();
        if (c.begin)
            dm.cdsExp.setValue("exp_date_begin", day(c.begin));
        if (c.finish)
            dm.cdsExp.setValue("exp_date_finish", day(c.finish));
        if (c.refusal) {
            try {
                dm.cdsExp.post();
                ADD_FAILURE() << "posted";
            } catch (const UserError& error) {
                EXPECT_STREQ(error.what(), c.refusal);
            }
            EXPECT_EQ(dm.cdsExp.state(), TableState::Insert);
            EXPECT_EQ(dm.cdsExp.asDate("exp_date_begin"),
                      c.begin ? std::optional<Date>(day(c.begin)) : std::nullopt);
            dm.cdsExp.cancel();
            continue;
        }
        dm.cdsExp.post();
        EXPECT_EQ(dm.cdsExp.asInteger("exp_day"), c.days);
        EXPECT_EQ(dm.cdsExp.asText("exp_day_str"), c.length);
        EXPECT_EQ(dm.cdsExp.value("exp_id"), Value{0});
        EXPECT_EQ(dm.cdsExp.value("exp_person_id"), Value{personId});
        dm.cdsExp.remove();
    }
}

TEST_F(PeriodsAdapterTest, PostingKeepsIdentitiesAlreadyGiven) {
    dm.cdsExp.setFiltered(false);
    dm.cdsExp.append();
    dm.cdsExp.setValue("exp_id", 5);
    dm.cdsExp.setValue("exp_person_id", 7);
    dm.cdsExp.setValue("exp_date_begin", day("01.01.2000"));
    dm.cdsExp.setValue("exp_date_finish", day("31.12.2000"));
    dm.cdsExp.post();
    EXPECT_EQ(dm.cdsExp.asInteger("exp_id"), 5);
    EXPECT_EQ(dm.cdsExp.asInteger("exp_person_id"), 7);
    EXPECT_EQ(dm.cdsExp.asInteger("exp_day"), 365);
    EXPECT_EQ(dm.cdsExp.asText("exp_day_str"), "1/0/0");
}

TEST_F(PeriodsAdapterTest, VerificationChecksAgeAndOverlapsBeforeBuildingTheLedger) {
    for (const testing_support::PeriodsCheckCase& c : testing_support::periodsCheckCases()) {
        SCOPED_TRACE(c.name);
        RecordingPrompt warnings;
        TdMain fresh;
        fresh.setPrompt(&warnings);
        confirmedPerson(fresh, day(c.birth), 1, day("01.01.2012"));
        for (const auto& [begin, finish] : c.periods)
            addPeriod(fresh, day(begin), day(finish));

        const VerifyResult result = fresh.VerifyPeriods(day(c.birth));
        EXPECT_EQ(result.outcome, outcomeOf(c.outcome));
        EXPECT_EQ(result.ageFailure, c.ageFailure);
        EXPECT_EQ(result.overlapFailure, c.overlapFailure);
        EXPECT_EQ(result.ledgerBuilt, outcomeOf(c.outcome) == Outcome::LedgerBuilt);
        EXPECT_EQ(warnings.warnings, c.warnings);
        EXPECT_EQ(fresh.cdsEarning.recordCount() > 0, outcomeOf(c.outcome) == Outcome::LedgerBuilt);
    }
}

TEST_F(PeriodsAdapterTest, ARefusedVerificationLeavesTheLedgerAsItWas) {
    addPeriod(dm, day("01.01.2005"), day("31.03.2005"));
    ASSERT_EQ(dm.VerifyPeriods(day("01.01.1950")).outcome, Outcome::LedgerBuilt);
    setEarning(dm, 2005, 1, 1000);
    addPeriod(dm, day("01.03.2005"), day("30.06.2005"));

    EXPECT_EQ(dm.VerifyPeriods(day("01.01.1950")).outcome, Outcome::Refused);
    EXPECT_EQ(dm.cdsEarning.recordCount(), 3);
    ASSERT_TRUE(dm.cdsEarning.locate("earning_id", personId * 1000000 + 2005 * 100 + 1));
    EXPECT_EQ(dm.cdsEarning.asFloat("earning_payment"), 1000);
    EXPECT_EQ(prompt.warnings, std::vector<std::string>{messages::kPeriodsOverlap});
}

// The import's "Додати період": the new period passes the checks of "Підтвердити стаж" with the
// others, or nothing changes; the ledger is rebuilt with the earnings it had.
TEST_F(PeriodsAdapterTest, AddingAPeriodChecksItWithTheOthersAndKeepsTheEarnings) {
    struct AddingCase {
        const char* name;
        const char* begin;
        const char* finish;
        std::optional<std::string> refusal; // none: added
        int ledgerMonths;                   // after
    };
    const AddingCase cases[] = {
        {"a later period, a month apart", "01.05.2005", "31.05.2005", std::nullopt, 4},
        {"an earlier period", "01.11.2004", "31.12.2004", std::nullopt, 5},
        {"sharing a day", "31.03.2005", "30.04.2005", messages::kPeriodsOverlap, 3},
        {"before the age of 14", "01.01.1960", "31.01.1960", messages::workBeforeMinimumAge(14), 3},
        {"ending before it begins", "31.05.2005", "01.05.2005", messages::kPeriodBeginAfterFinish,
         3},
    };
    for (const AddingCase& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingPrompt warnings;
        TdMain fresh;
        fresh.setPrompt(&warnings);
        const std::int32_t person = confirmedPerson(fresh, day("01.01.1950"), 0, day("01.01.2012"));
        addPeriod(fresh, day("01.01.2005"), day("31.03.2005"));
        ASSERT_EQ(fresh.VerifyPeriods(day("01.01.1950")).outcome, Outcome::LedgerBuilt);
        setEarning(fresh, 2005, 1, 1000);
        try {
            fresh.AddPeriod({day(c.begin), day(c.finish)});
            EXPECT_FALSE(c.refusal) << "added";
        } catch (const UserError& refusal) {
            EXPECT_EQ(std::optional<std::string>(refusal.what()), c.refusal);
        }
        EXPECT_TRUE(warnings.warnings.empty()); // the refusal is the caller's to show
        EXPECT_EQ(fresh.cdsExp.recordCount(), c.refusal ? 1 : 2);
        const CivilDate finish = civilFromDate(day(c.finish)); // a month of no other period
        const bool inLedger = fresh.cdsEarning.locate(
            "earning_id", person * 1000000 + finish.year * 100 + finish.month - 1);
        EXPECT_EQ(inLedger, !c.refusal);
        EXPECT_EQ(fresh.cdsEarning.recordCount(), c.ledgerMonths);
        ASSERT_TRUE(fresh.cdsEarning.locate("earning_id", person * 1000000 + 2005 * 100 + 1));
        EXPECT_EQ(fresh.cdsEarning.asFloat("earning_payment"), 1000);
    }
}

TEST_F(PeriodsAdapterTest, VerificationWithoutAPromptStillDecides) {
    dm.setPrompt(nullptr);
    EXPECT_EQ(dm.VerifyPeriods(day("01.01.1950")).outcome, Outcome::NoPeriods);
    addPeriod(dm, day("01.01.1960"), day("31.12.1960"));
    EXPECT_EQ(dm.VerifyPeriods(day("01.01.1950")).outcome, Outcome::Refused);
    EXPECT_TRUE(prompt.warnings.empty());
}

} // namespace
} // namespace rv

#include "case_builders.h"
#include "store/dmMain.h"
#include "engine/errors.h"
#include "calc/messages.h"

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
using Period = std::pair<const char*, const char*>;

class PeriodsTest : public testing::Test {
protected:
    void SetUp() override {
        dm.setPrompt(&prompt);
        personId = confirmedPerson(dm, day("01.01.1950"), 0, day("01.01.2012"));
    }

    RecordingPrompt prompt;
    TdMain dm;
    std::int32_t personId = 0;
};

TEST_F(PeriodsTest, PostingAPeriodChecksItsDatesAndMeasuresIt) {
    struct Case {
        const char* name;
        const char* begin; // nullptr: left empty
        const char* finish;
        const char* refusal; // nullptr: posted
        std::int32_t days;
        const char* length;
    };
    const Case cases[] = {
        {"one day", "10.05.2000", "10.05.2000", nullptr, 0, "0/0/1"},
        {"eleven months and sixteen days", "16.01.2005", "31.12.2005", nullptr, 349, "0/11/16"},
        {"across a year end", "20.12.1999", "10.01.2000", nullptr, 21, "0/0/21"},
        {"begin after finish", "11.05.2000", "10.05.2000",
         "Дата зарахування не може бути більшою за дату звільнення", 0, ""},
        {"no begin", nullptr, "10.05.2000", messages::kPeriodDateMissing, 0, ""},
        {"no finish", "10.05.2000", nullptr, messages::kPeriodDateMissing, 0, ""},
    };
    for (const Case& c : cases) {
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

TEST_F(PeriodsTest, PostingKeepsIdentitiesAlreadyGiven) {
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

TEST_F(PeriodsTest, VerificationChecksAgeAndOverlapsBeforeBuildingTheLedger) {
    const std::string noPeriods = "Спочатку введіть стаж";
    const std::string tooYoung =
        "Трудова діяльність не може починатися до виповнення особою 14 років";
    const std::string overlap = "Вказані діапазони трудової діяльності не повинні перетинатися";
    struct Case {
        const char* name;
        const char* birth;
        std::vector<Period> periods;
        Outcome outcome;
        bool ageFailure;
        bool overlapFailure;
        std::vector<std::string> warnings;
    };
    const std::vector<Case> cases = {
        {"no periods", "01.01.1950", {}, Outcome::NoPeriods, false, false, {noPeriods}},
        {"13 full years: 5113 days",
         "01.01.1950",
         {{"01.01.1964", "31.12.1964"}},
         Outcome::Refused,
         true,
         false,
         {tooYoung}},
        {"14 full years: 5114 days",
         "01.01.1950",
         {{"02.01.1964", "31.12.1964"}},
         Outcome::LedgerBuilt,
         false,
         false,
         {}},
        {"14 full years on the 14th birthday",
         "01.01.1951",
         {{"01.01.1965", "31.01.1965"}},
         Outcome::LedgerBuilt,
         false,
         false,
         {}},
        {"a start long before the birth date",
         "01.01.1990",
         {{"01.01.1950", "31.01.1950"}},
         Outcome::Refused,
         true,
         false,
         {tooYoung}},
        {"one period ends on the day the next starts",
         "01.01.1950",
         {{"01.01.2000", "31.12.2000"}, {"31.12.2000", "31.03.2001"}},
         Outcome::Refused,
         false,
         true,
         {overlap}},
        {"one period ends the day before the next starts",
         "01.01.1950",
         {{"01.01.2000", "30.12.2000"}, {"31.12.2000", "31.03.2001"}},
         Outcome::LedgerBuilt,
         false,
         false,
         {}},
        {"the inner period listed second",
         "01.01.1950",
         {{"01.01.1990", "31.12.1999"}, {"01.06.1995", "30.06.1995"}},
         Outcome::Refused,
         false,
         true,
         {overlap}},
        {"the inner period listed first",
         "01.01.1950",
         {{"01.06.1995", "30.06.1995"}, {"01.01.1990", "31.12.1999"}},
         Outcome::Refused,
         false,
         true,
         {overlap}},
        {"the first and the third period overlap",
         "01.01.1950",
         {{"01.01.1990", "31.12.1990"}, {"01.01.1992", "31.12.1992"}, {"01.06.1990", "30.06.1991"}},
         Outcome::Refused,
         false,
         true,
         {overlap}},
        {"two periods too young and two overlapping: each warning once, age first",
         "01.01.1950",
         {{"01.01.1960", "31.12.1960"},
          {"01.01.1990", "31.12.1995"},
          {"01.01.1961", "31.01.1961"},
          {"01.01.1995", "31.12.1996"}},
         Outcome::Refused,
         true,
         true,
         {tooYoung, overlap}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingPrompt warnings;
        TdMain fresh;
        fresh.setPrompt(&warnings);
        confirmedPerson(fresh, day(c.birth), 1, day("01.01.2012"));
        for (const auto& [begin, finish] : c.periods)
            addPeriod(fresh, day(begin), day(finish));

        const VerifyResult result = fresh.VerifyPeriods(day(c.birth));
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.ageFailure, c.ageFailure);
        EXPECT_EQ(result.overlapFailure, c.overlapFailure);
        EXPECT_EQ(result.ledgerBuilt, c.outcome == Outcome::LedgerBuilt);
        EXPECT_EQ(warnings.warnings, c.warnings);
        EXPECT_EQ(fresh.cdsEarning.recordCount() > 0, c.outcome == Outcome::LedgerBuilt);
    }
}

TEST_F(PeriodsTest, ARefusedVerificationLeavesTheLedgerAsItWas) {
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

TEST_F(PeriodsTest, VerificationWithoutAPromptStillDecides) {
    dm.setPrompt(nullptr);
    EXPECT_EQ(dm.VerifyPeriods(day("01.01.1950")).outcome, Outcome::NoPeriods);
    addPeriod(dm, day("01.01.1960"), day("31.12.1960"));
    EXPECT_EQ(dm.VerifyPeriods(day("01.01.1950")).outcome, Outcome::Refused);
    EXPECT_TRUE(prompt.warnings.empty());
}

} // namespace
} // namespace rv

#include "case_builders.h"

#include "protect/base64.h"
#include "protect/cipher.h"
#include "store/dmMain.h"
#include "store/engine/errors.h"
#include "store/messages.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace rv {
namespace {

using testing_support::confirmedPerson;
using testing_support::day;
using testing_support::ledgerKey;

// The window of optimisation 1 in these tests; the stored parameter it comes from also sets the
// pension age of men and both limits of optimisation 2, which these tests do not use.
constexpr int kWindow = 3;

// The embedded reference data with the window parameter (S4) replaced.
std::unique_ptr<TdMain> dataModuleWithWindow(int window) {
    StoredReferenceData stored = EmbeddedReferenceData();
    const std::string scalar =
        EncodeBase64(CipherText(std::to_string(window), ProgramCipherKey(), true));
    stored.scalars[3] = scalar;
    return std::make_unique<TdMain>(stored);
}

struct Month {
    int year;
    int month0;
    double coefficient;
    std::optional<double> payment = 100.0;
};

// Where a month ends up: copied to cdsEarningOpt1 (in this order), with its position among the
// months before July 2000 when it is one of them.
struct Counted {
    int year;
    int month0;
    std::optional<std::int32_t> number;
};

// One confirmed person; the evaluation is switched off, so the ledger months keep the
// coefficients they are given.
class Optimisation1Test : public ::testing::Test {
protected:
    void SetUp() override {
        m_dm = dataModuleWithWindow(kWindow);
        m_dm->setSuperState(true);
        m_personId = confirmedPerson(*m_dm, day("01.01.1950"), 0, day("01.01.2020"));
    }

    void addMonths(const std::vector<Month>& months, std::int32_t personId) {
        Table& ledger = m_dm->cdsEarning;
        for (const Month& month : months) {
            ledger.append();
            ledger.setValue("earning_id", ledgerKey(personId, month.year, month.month0));
            ledger.setValue("earning_person_id", personId);
            ledger.setValue("earning_year", month.year);
            ledger.setValue("earning_month", month.month0);
            ledger.setValue("earning_k", month.coefficient);
            if (month.payment)
                ledger.setValue("earning_payment", *month.payment);
            ledger.post();
        }
    }

    void resetLedger() {
        m_dm->cdsEarning.setFiltered(false);
        m_dm->cdsEarning.empty();
        m_dm->ApplyPersonFilter();
    }

    // (earning_id, earning_num) of every copy, in table order.
    std::vector<std::pair<std::int32_t, std::optional<std::int32_t>>> copies() const {
        std::vector<std::pair<std::int32_t, std::optional<std::int32_t>>> rows;
        Table& copy = m_dm->cdsEarningOpt1;
        for (copy.first(); !copy.eof(); copy.next()) {
            std::optional<std::int32_t> number;
            if (!copy.isNull("earning_num"))
                number = copy.asInteger("earning_num");
            rows.emplace_back(copy.asInteger("earning_id"), number);
        }
        return rows;
    }

    // earning_id of every ledger row marked "+"; fails on any other mark.
    std::set<std::int32_t> markedMonths() const {
        std::set<std::int32_t> marked;
        Table& ledger = m_dm->cdsEarning;
        for (ledger.first(); !ledger.eof(); ledger.next()) {
            const std::string mark = ledger.asText("earning_opt1");
            EXPECT_TRUE(mark.empty() || mark == "+") << mark;
            if (mark == "+")
                marked.insert(ledger.asInteger("earning_id"));
        }
        return marked;
    }

    std::unique_ptr<TdMain> m_dm;
    std::int32_t m_personId = 0;
};

struct WindowCase {
    const char* name;
    std::vector<Month> ledger;
    std::vector<Counted> expected;
};

TEST_F(Optimisation1Test, CountsTheBestEarlyWindowAndTheLaterMonths) {
    const std::vector<WindowCase> cases = {
        {"C = W: every early month, positions 0 to W - 1",
         {{1999, 0, 0.5}, {1999, 1, 0}, {1999, 2, 2}, {2000, 6, 1}},
         {{1999, 0, 0}, {1999, 1, 1}, {1999, 2, 2}, {2000, 6, {}}}},
        {"C = W + 1: the later window is larger",
         {{1999, 0, 1}, {1999, 1, 1}, {1999, 2, 1}, {1999, 3, 1.5}},
         {{1999, 1, 1}, {1999, 2, 2}, {1999, 3, 3}}},
        {"C = W + 1: the earlier window is larger",
         {{1999, 0, 1.5}, {1999, 1, 1}, {1999, 2, 1}, {1999, 3, 1}},
         {{1999, 0, 0}, {1999, 1, 1}, {1999, 2, 2}}},
        {"C = W + 1: equal windows, the earlier wins",
         {{1999, 0, 1}, {1999, 1, 1}, {1999, 2, 1}, {1999, 3, 1}},
         {{1999, 0, 0}, {1999, 1, 1}, {1999, 2, 2}}},
        // 0.1 + 0.02 + 0.06 sums to 0.18 either way round, but the running sum of the second
        // window, 0.18 + 0.1 - 0.1, is one unit in the last place above it.
        {"C = W + 1: the running sums decide between mathematically equal windows",
         {{1999, 0, 0.1}, {1999, 1, 0.02}, {1999, 2, 0.06}, {1999, 3, 0.1}},
         {{1999, 1, 1}, {1999, 2, 2}, {1999, 3, 3}}},
        {"a window across the gap between two periods",
         {{1990, 10, 0}, {1990, 11, 3}, {1995, 0, 3}, {1995, 1, 3}, {1995, 2, 0}},
         {{1990, 11, 1}, {1995, 0, 2}, {1995, 1, 3}}},
        {"June 2000 is early, July 2000 counts whatever its coefficient",
         {{2000, 2, 2}, {2000, 3, 0}, {2000, 4, 0}, {2000, 5, 0}, {2000, 6, 0}, {2000, 7, 0}},
         {{2000, 2, 0}, {2000, 3, 1}, {2000, 4, 2}, {2000, 6, {}}, {2000, 7, {}}}},
        {"2001 to 2003 count without earning, months from 2004 only with one",
         {{2001, 0, 0, 0.0},
          {2003, 11, 0, std::nullopt},
          {2004, 0, 0, 0.0},
          {2004, 1, 0, std::nullopt},
          {2004, 2, 0.5, 50.0}},
         {{2001, 0, {}}, {2003, 11, {}}, {2004, 2, {}}}},
        {"no month before July 2000", {{2005, 0, 1}, {2005, 1, 2}}, {{2005, 0, {}}, {2005, 1, {}}}},
        {"an empty ledger", {}, {}},
    };
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.name);
        resetLedger();
        addMonths(c.ledger, m_personId);

        m_dm->RunOptimization1();

        std::vector<std::pair<std::int32_t, std::optional<std::int32_t>>> expectedCopies;
        std::set<std::int32_t> expectedMarks;
        for (const Counted& counted : c.expected) {
            const std::int32_t id = ledgerKey(m_personId, counted.year, counted.month0);
            expectedCopies.emplace_back(id, counted.number);
            expectedMarks.insert(id);
        }
        EXPECT_EQ(copies(), expectedCopies);
        EXPECT_EQ(markedMonths(), expectedMarks);
    }
}

TEST_F(Optimisation1Test, CopiesEveryLedgerFieldAndLeavesTheLedgerUnfilteredWithMarksShown) {
    Table& ledger = m_dm->cdsEarning;
    ledger.append();
    ledger.setValue("earning_id", ledgerKey(m_personId, 2001, 4));
    ledger.setValue("earning_person_id", m_personId);
    ledger.setValue("earning_year", 2001);
    ledger.setValue("earning_month", 4);
    ledger.setValue("earning_avg_zp", 1.5);
    ledger.setValue("earning_avg_zp_year", 2.5);
    ledger.setValue("earning_min_zp", 3.5);
    ledger.setValue("earning_min_zp_year", 4.5);
    ledger.setValue("earning_payment", 5.5);
    ledger.setValue("earning_payment_year", 6.5);
    ledger.setValue("earning_k", 0.75);
    ledger.setValue("earning_day", 20);
    ledger.setValue("earning_month_day", 25);
    ledger.setValue("earning_opt2", std::string("x"));
    ledger.post();

    m_dm->RunOptimization1();

    EXPECT_FALSE(ledger.filtered());
    EXPECT_EQ(ledger.filter(), "earning_person_id = " + std::to_string(m_personId));
    EXPECT_TRUE(ledger.field("earning_opt1").shown);
    ASSERT_TRUE(ledger.locate("earning_id", ledgerKey(m_personId, 2001, 4)));
    Table& copy = m_dm->cdsEarningOpt1;
    ASSERT_EQ(copy.recordCount(), 1);
    copy.first();
    for (const char* name : {"earning_id", "earning_person_id", "earning_year", "earning_month",
                             "earning_avg_zp", "earning_avg_zp_year", "earning_min_zp",
                             "earning_min_zp_year", "earning_payment", "earning_payment_year",
                             "earning_k", "earning_day", "earning_month_day", "earning_opt2"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(copy.value(name), ledger.value(name));
    }
    EXPECT_TRUE(copy.isNull("earning_opt1")) << "copied before the ledger row was marked";
    EXPECT_EQ(ledger.asText("earning_opt1"), "+");
}

TEST_F(Optimisation1Test, IgnoresTheMonthsOfOtherPersons) {
    const std::int32_t otherPerson = m_personId + 1;
    addMonths({{1999, 0, 1}, {1999, 1, 1}, {1999, 2, 1}, {1999, 3, 1}, {2005, 0, 1}}, otherPerson);
    addMonths({{1999, 5, 1}, {2005, 1, 1}}, m_personId);

    m_dm->RunOptimization1();

    EXPECT_EQ(copies(), (std::vector<std::pair<std::int32_t, std::optional<std::int32_t>>>{
                            {ledgerKey(m_personId, 1999, 5), 0},
                            {ledgerKey(m_personId, 2005, 1), std::nullopt}}));
    EXPECT_EQ(markedMonths(), (std::set<std::int32_t>{ledgerKey(m_personId, 1999, 5),
                                                      ledgerKey(m_personId, 2005, 1)}));
}

// A damaged case may carry one month twice; the mark goes where Table::locate finds the key.
TEST_F(Optimisation1Test, MarksTheFirstLedgerRowOfARepeatedKey) {
    addMonths({{2005, 0, 1, 10.0}, {2005, 0, 1, 20.0}}, m_personId);

    m_dm->RunOptimization1();

    EXPECT_EQ(m_dm->cdsEarningOpt1.recordCount(), 2);
    Table& ledger = m_dm->cdsEarning;
    ASSERT_TRUE(ledger.locate("earning_id", ledgerKey(m_personId, 2005, 0)));
    EXPECT_EQ(ledger.asFloat("earning_payment"), 10.0);
    EXPECT_EQ(ledger.asText("earning_opt1"), "+");
    ledger.next();
    EXPECT_EQ(ledger.asFloat("earning_payment"), 20.0);
    EXPECT_EQ(ledger.asText("earning_opt1"), "");
}

// With the evaluation on, each copy is evaluated again when it is posted and must come out as
// its ledger month did.
TEST(Optimisation1EvaluatedTest, CopiesKeepTheLedgersCoefficientsAndCreditedDays) {
    TdMain dm;
    const std::int32_t personId = confirmedPerson(dm, day("01.01.1950"), 0, day("01.01.2012"));
    testing_support::addPeriod(dm, day("10.01.1999"), day("20.12.2005"));
    ASSERT_TRUE(dm.BuildLedger());
    testing_support::setEarning(dm, 1999, 3, 500);
    testing_support::setEarning(dm, 2000, 8, 700);
    testing_support::setEarning(dm, 2004, 5, 1500);
    testing_support::setEarning(dm, 2005, 11, 40);

    dm.RunOptimization1();

    // January 1999 to June 2000, July 2000 to 2003, and the two months from 2004 with earnings.
    EXPECT_EQ(dm.cdsEarningOpt1.recordCount(), 18 + 42 + 2);
    Table& copy = dm.cdsEarningOpt1;
    for (copy.first(); !copy.eof(); copy.next()) {
        const std::int32_t id = copy.asInteger("earning_id");
        SCOPED_TRACE(id);
        ASSERT_TRUE(dm.cdsEarning.locate("earning_id", id));
        EXPECT_EQ(copy.value("earning_k"), dm.cdsEarning.value("earning_k"));
        EXPECT_EQ(copy.value("earning_day"), dm.cdsEarning.value("earning_day"));
        EXPECT_EQ(dm.cdsEarning.asText("earning_opt1"), "+");
    }
    ASSERT_TRUE(dm.cdsEarning.locate("earning_id", ledgerKey(personId, 1999, 3)));
    EXPECT_GT(dm.cdsEarning.asFloat("earning_k"), 0);
}

struct RefusalCase {
    const char* name;
    std::vector<Month> ledger;
    std::string expectedMessage;
    bool loseSecondWindowMonth; // the ledger loses it while the first one is copied
};

TEST_F(Optimisation1Test, RefusalsSwitchTheLedgerFilterOff) {
    const std::vector<RefusalCase> cases = {
        {"a window month vanished from the ledger",
         {{1999, 0, 1}, {1999, 1, 1}, {1999, 2, 1}, {1999, 3, 0}},
         std::string(messages::kCannotLocateId) + std::to_string(ledgerKey(m_personId, 1999, 1)),
         true},
        {"a negative coefficient never enters the window search",
         {{1999, 0, 1}, {1999, 1, -0.5}, {1999, 2, 1}, {1999, 3, 1}},
         messages::kNegativeEarning,
         false},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        resetLedger();
        addMonths(c.ledger, m_personId);
        Table& ledger = m_dm->cdsEarning;
        m_dm->cdsEarningOpt1.AfterPost = [&](Table&) {
            if (c.loseSecondWindowMonth &&
                ledger.locate("earning_id", ledgerKey(m_personId, 1999, 1)))
                ledger.remove();
        };

        try {
            m_dm->RunOptimization1();
            ADD_FAILURE() << "no refusal";
        } catch (const UserError& error) {
            EXPECT_EQ(std::string(error.what()), c.expectedMessage);
        }
        EXPECT_FALSE(ledger.filtered());
        EXPECT_FALSE(ledger.isEditing());
        m_dm->cdsEarningOpt1.AfterPost = nullptr;
    }
}

} // namespace
} // namespace rv

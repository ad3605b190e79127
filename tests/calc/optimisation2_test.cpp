#include "case_builders.h"

#include "protect/base64.h"
#include "protect/cipher.h"
#include "store/dmMain.h"
#include "store/engine/errors.h"
#include "store/messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace rv {
namespace {

using testing_support::confirmedPerson;
using testing_support::day;
using testing_support::ledgerKey;

// The embedded reference data with the stored parameter S4 replaced. Opt2MaxExcludedMonths and
// Opt2MinKeptMonths (and the window of optimisation 1) all come from it, so the tests give both
// limits one value.
std::unique_ptr<TdMain> dataModuleWithLimits(int months) {
    StoredReferenceData stored = EmbeddedReferenceData();
    const std::string scalar =
        EncodeBase64(CipherText(std::to_string(months), ProgramCipherKey(), true));
    stored.scalars[3] = scalar;
    return std::make_unique<TdMain>(stored);
}

// Records ledger posts; `onLedgerRowStored` may act on them.
class ListenerStub : public DataModuleListener {
public:
    void periodStored() override {}
    void ledgerRowStored() override {
        if (onLedgerRowStored)
            onLedgerRowStored();
    }
    void ledgerDataChanged() override {}
    std::function<void()> onLedgerRowStored;
};

// One confirmed person whose counted months (cdsEarningOpt1 and the ledger alike) are
// consecutive months from January 1990 with the given coefficients; the evaluation is off.
class Optimisation2Test : public ::testing::Test {
protected:
    void setUpMonths(int limits, const std::vector<double>& coefficients) {
        m_dm = dataModuleWithLimits(limits);
        m_dm->setSuperState(true);
        m_personId = confirmedPerson(*m_dm, day("01.01.1950"), 0, day("01.01.2020"));
        for (std::size_t position = 0; position < coefficients.size(); ++position) {
            for (Table* table : {&m_dm->cdsEarning, &m_dm->cdsEarningOpt1}) {
                table->append();
                table->setValue("earning_id", idAt(static_cast<int>(position)));
                table->setValue("earning_person_id", m_personId);
                table->setValue("earning_year", 1990 + static_cast<int>(position) / 12);
                table->setValue("earning_month", static_cast<int>(position) % 12);
                table->setValue("earning_k", coefficients[position]);
                table->setValue("earning_opt1", std::string("+"));
                table->post();
            }
        }
    }

    std::int32_t idAt(int position) const {
        return ledgerKey(m_personId, 1990 + position / 12, position % 12);
    }

    // earning_num of the rows of cdsEarningOpt2, in table order.
    std::vector<int> excludedPositions() const {
        std::vector<int> positions;
        Table& excluded = m_dm->cdsEarningOpt2;
        for (excluded.first(); !excluded.eof(); excluded.next()) {
            EXPECT_EQ(excluded.asInteger("earning_id"), idAt(excluded.asInteger("earning_num")));
            positions.push_back(excluded.asInteger("earning_num"));
        }
        return positions;
    }

    std::set<std::int32_t> opt1Ids() const {
        std::set<std::int32_t> ids;
        Table& counted = m_dm->cdsEarningOpt1;
        for (counted.first(); !counted.eof(); counted.next())
            ids.insert(counted.asInteger("earning_id"));
        return ids;
    }

    // earning_id of every ledger row marked "-"; each keeps its "+".
    std::set<std::int32_t> ledgerExcluded() const {
        std::set<std::int32_t> ids;
        Table& ledger = m_dm->cdsEarning;
        for (ledger.first(); !ledger.eof(); ledger.next()) {
            EXPECT_EQ(ledger.asText("earning_opt1"), "+");
            if (ledger.asText("earning_opt2") == "-")
                ids.insert(ledger.asInteger("earning_id"));
            else
                EXPECT_EQ(ledger.asText("earning_opt2"), "");
        }
        return ids;
    }

    std::unique_ptr<TdMain> m_dm;
    std::int32_t m_personId = 0;
};

struct ExclusionCase {
    const char* name;
    int limits; // Opt2MaxExcludedMonths = Opt2MinKeptMonths
    std::int32_t insuranceMonths;
    std::vector<double> coefficients;
    std::vector<int> expectedExcluded; // positions, as moved: last month first
    double expectedSum;
    double expectedAverage;
};

TEST_F(Optimisation2Test, ExcludesTheRunThatRaisesTheAverageMost) {
    const std::vector<ExclusionCase> cases = {
        {"worked example: the longer of two equal runs wins", 3, 30, {1, 1, 0, 1, 1}, {2, 1}, 3, 1},
        {"all coefficients 1: the first run of the longest length",
         3,
         100,
         {1, 1, 1, 1, 1, 1, 1, 1},
         {2, 1, 0},
         5,
         1},
        {"all coefficients 0: the first run of the longest length",
         3,
         100,
         {0, 0, 0, 0, 0, 0, 0, 0},
         {2, 1, 0},
         0,
         0},
        {"the most excluded months bound the run",
         3,
         1000,
         {1, 1, 0, 0, 0, 0, 1, 1, 1, 1},
         {4, 3, 2},
         6,
         6.0 / 7},
        {"10 % of the insurance experience bounds the run",
         5,
         29,
         {1, 1, 1, 0, 0, 0, 1, 1, 1, 1},
         {4, 3},
         7,
         7.0 / 8},
        {"the kept months bound the run; of equal runs the first wins",
         3,
         1000,
         {0, 0, 5, 5},
         {0},
         10,
         10.0 / 3},
        {"a run may end at the last month", 3, 100, {6, 7, 6, 7, 6, 8, 1}, {6}, 40, 40.0 / 6},
        {"under 10 months of experience nothing is excluded",
         3,
         9,
         {0, 1, 1, 1, 1, 1},
         {},
         5,
         5.0 / 6},
        {"no more months than must be kept", 3, 100, {0, 1, 2}, {}, 3, 1},
        {"fewer months than must be kept", 3, 100, {0, 1}, {}, 1, 0.5},
    };
    for (const ExclusionCase& c : cases) {
        SCOPED_TRACE(c.name);
        setUpMonths(c.limits, c.coefficients);
        const auto count = static_cast<std::int32_t>(c.coefficients.size());

        std::int32_t counted = count;
        double average = -1;
        double sum = 0;
        m_dm->RunOptimization2(counted, c.insuranceMonths, average, sum);

        EXPECT_EQ(excludedPositions(), c.expectedExcluded);
        EXPECT_EQ(counted, count - static_cast<std::int32_t>(c.expectedExcluded.size()));
        EXPECT_EQ(m_dm->cdsEarningOpt1.recordCount(), counted);
        EXPECT_DOUBLE_EQ(sum, c.expectedSum);
        EXPECT_DOUBLE_EQ(average, c.expectedAverage);

        std::set<std::int32_t> excludedIds;
        std::set<std::int32_t> keptIds;
        for (int position = 0; position < count; ++position) {
            const bool excluded = std::find(c.expectedExcluded.begin(), c.expectedExcluded.end(),
                                            position) != c.expectedExcluded.end();
            (excluded ? excludedIds : keptIds).insert(idAt(position));
        }
        EXPECT_EQ(opt1Ids(), keptIds);
        EXPECT_EQ(ledgerExcluded(), excludedIds);
        EXPECT_TRUE(m_dm->cdsEarning.field("earning_opt2").shown);
        EXPECT_FALSE(m_dm->cdsEarning.filtered());
    }
}

// The sum is the total less the run's coefficients one by one, last month first, and the
// average is that sum over the kept months, all in doubles.
TEST_F(Optimisation2Test, SumIsTheTotalLessTheRunBySuccessiveSubtraction) {
    const std::vector<double> coefficients = {0.3, 0.1, 0.2, 0.9, 0.9, 0.9};
    setUpMonths(3, coefficients);
    double total = 0;
    for (double coefficient : coefficients)
        total += coefficient;
    const double expectedSum = ((total - 0.2) - 0.1) - 0.3;

    std::int32_t counted = 6;
    double average = 0;
    double sum = 0;
    m_dm->RunOptimization2(counted, 100, average, sum);

    EXPECT_EQ(excludedPositions(), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(counted, 3);
    EXPECT_EQ(sum, expectedSum);
    EXPECT_EQ(average, expectedSum / 3);
}

TEST_F(Optimisation2Test, NoCountedMonthsLeavesTheSumAndExcludesNothing) {
    setUpMonths(3, {});
    std::int32_t counted = 0;
    double average = -1;
    double sum = 7.5;

    m_dm->RunOptimization2(counted, 100, average, sum);

    EXPECT_EQ(counted, 0);
    EXPECT_EQ(average, 0);
    EXPECT_EQ(sum, 7.5);
    EXPECT_EQ(m_dm->cdsEarningOpt2.recordCount(), 0);
}

// Months moved before the refusal stay moved.
TEST_F(Optimisation2Test, ACountedMonthLostDuringTheMoveIsRefused) {
    setUpMonths(3, {1, 1, 0, 1, 1});
    ListenerStub listener;
    listener.onLedgerRowStored = [&] {
        Table& counted = m_dm->cdsEarningOpt1;
        if (counted.locate("earning_id", idAt(1)))
            counted.remove();
    };
    m_dm->setListener(&listener);
    std::int32_t counted = 5;
    double average = 0;
    double sum = 0;

    try {
        m_dm->RunOptimization2(counted, 30, average, sum);
        ADD_FAILURE() << "no refusal";
    } catch (const UserError& error) {
        EXPECT_EQ(std::string(error.what()),
                  std::string(messages::kCannotLocateId) + std::to_string(idAt(1)));
    }
    m_dm->setListener(nullptr);
    EXPECT_EQ(excludedPositions(), std::vector<int>{2});
    EXPECT_EQ(opt1Ids(), (std::set<std::int32_t>{idAt(0), idAt(3), idAt(4)}));
    EXPECT_EQ(ledgerExcluded(), std::set<std::int32_t>{idAt(2)});
}

} // namespace
} // namespace rv

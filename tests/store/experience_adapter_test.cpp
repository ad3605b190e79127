// The data module's insurance experience: it counts the current person's periods and ledger
// months only and leaves both tables filtered to that person.
#include "case_builders.h"

#include "store/dmMain.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rv {
namespace {

using testing_support::confirmedPerson;
using testing_support::day;
using testing_support::ledgerKey;

struct Period {
    const char* begin;
    const char* finish;
};

// A ledger month as the evaluation left it: days credited to insurance experience and days of
// the month covered by the periods.
struct LedgerMonthDays {
    int year;
    int month0;
    int credited;
    int covered;
};

int daysOf(int year, int month0) {
    return daysInMonth(year, month0 + 1);
}

// Every month of a year employed and credited in full, but for the months in `except`.
std::vector<LedgerMonthDays> fullYear(int year, std::vector<LedgerMonthDays> except = {}) {
    std::vector<LedgerMonthDays> months;
    for (int month0 = 0; month0 < 12; ++month0) {
        LedgerMonthDays month{year, month0, daysOf(year, month0), daysOf(year, month0)};
        for (const LedgerMonthDays& changed : except)
            if (changed.month0 == month0)
                month = changed;
        months.push_back(month);
    }
    return months;
}

// A data module with one confirmed person; the evaluation is switched off, so the ledger months
// keep the credited and covered days they are given.
class InsuranceExperienceAdapterTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dm.setSuperState(true);
        m_personId = confirmedPerson(m_dm, day("01.01.1950"), 0, day("01.01.2020"));
    }

    void addPeriods(const std::vector<Period>& periods, std::int32_t personId) {
        for (const Period& period : periods) {
            m_dm.cdsExp.append();
            m_dm.cdsExp.setValue("exp_person_id", personId);
            m_dm.cdsExp.setValue("exp_date_begin", day(period.begin));
            m_dm.cdsExp.setValue("exp_date_finish", day(period.finish));
            m_dm.cdsExp.post();
        }
    }

    void addLedgerMonths(const std::vector<LedgerMonthDays>& months, std::int32_t personId) {
        Table& ledger = m_dm.cdsEarning;
        for (const LedgerMonthDays& month : months) {
            ledger.append();
            ledger.setValue("earning_id", ledgerKey(personId, month.year, month.month0));
            ledger.setValue("earning_person_id", personId);
            ledger.setValue("earning_year", month.year);
            ledger.setValue("earning_month", month.month0);
            ledger.setValue("earning_day", month.credited);
            ledger.setValue("earning_month_day", month.covered);
            ledger.post();
        }
    }

    TdMain m_dm;
    std::int32_t m_personId = 0;
};

TEST_F(InsuranceExperienceAdapterTest, CountsOnlyTheCurrentPersonAndLeavesBothTablesFilteredToIt) {
    const std::int32_t otherPerson = m_personId + 1;
    addPeriods({{"01.01.2004", "31.12.2004"}}, m_personId);
    addLedgerMonths(fullYear(2004, {{2004, 5, 10, 30}}), m_personId);
    addPeriods({{"01.01.1980", "31.12.1999"}}, otherPerson);
    addLedgerMonths({{2004, 0, 0, 31}, {2005, 0, 0, 31}}, otherPerson);
    m_dm.cdsExp.setFiltered(false);
    m_dm.cdsEarning.setFiltered(false);

    std::int32_t months = 0;
    std::string text;
    m_dm.CalcInsuranceExperience(months, text);

    EXPECT_EQ(text, "0 р. 11 міс. 10 дн.");
    EXPECT_EQ(months, 11);
    const std::string id = std::to_string(m_personId);
    EXPECT_TRUE(m_dm.cdsExp.filtered());
    EXPECT_EQ(m_dm.cdsExp.filter(), "exp_person_id=" + id);
    EXPECT_TRUE(m_dm.cdsEarning.filtered());
    EXPECT_EQ(m_dm.cdsEarning.filter(), "earning_person_id=" + id);
    EXPECT_EQ(m_dm.cdsEarning.recordCount(), 12);
}

} // namespace
} // namespace rv

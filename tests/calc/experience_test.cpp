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
class InsuranceExperienceTest : public ::testing::Test {
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

struct ExperienceCase {
    const char* name;
    std::vector<Period> periods;
    std::vector<LedgerMonthDays> ledger;
    std::int32_t expectedMonths;
    const char* expectedText;
};

TEST_F(InsuranceExperienceTest, TotalsPeriodsCorrectedByCreditedDaysFrom2004) {
    const std::vector<ExperienceCase> cases = {
        {"2004 credited in full",
         {{"01.01.2004", "31.12.2004"}},
         fullYear(2004),
         12,
         "1 р. 0 міс. 0 дн."},
        {"March 2004 credited 16 of its 31 days",
         {{"01.01.2004", "31.12.2004"}},
         fullYear(2004, {{2004, 2, 16, 31}}),
         11,
         "0 р. 11 міс. 15 дн."},
        {"leap February 2004 credited 28 of its 29 days",
         {{"01.01.2004", "31.12.2004"}},
         fullYear(2004, {{2004, 1, 28, 29}}),
         11,
         "0 р. 11 міс. 29 дн."},
        {"April 2004 credited 20 of its 30 days",
         {{"01.01.2004", "31.12.2004"}},
         fullYear(2004, {{2004, 3, 20, 30}}),
         11,
         "0 р. 11 міс. 20 дн."},
        {"January 2005 credited in full beyond its 17 employed days",
         {{"15.01.2005", "31.12.2005"}},
         fullYear(2005, {{2005, 0, 31, 17}}),
         12,
         "1 р. 0 міс. 1 дн."},
        {"January 2004 without earning: a negative total becomes zero",
         {{"01.01.2004", "31.01.2004"}},
         {{2004, 0, 0, 31}},
         0,
         "0 р. 0 міс. 0 дн."},
        {"before 2004 the credited days change nothing",
         {{"01.03.1990", "15.06.1992"}, {"01.01.1995", "31.12.2003"}},
         {{1992, 5, 0, 15}, {1999, 4, 3, 31}, {2003, 11, 0, 31}},
         135,
         "11 р. 3 міс. 15 дн."},
        {"ten periods of 20 days: the days are summed, then carried",
         {{"01.01.1990", "20.01.1990"},
          {"01.02.1990", "20.02.1990"},
          {"01.03.1990", "20.03.1990"},
          {"01.04.1990", "20.04.1990"},
          {"01.05.1990", "20.05.1990"},
          {"01.06.1990", "20.06.1990"},
          {"01.07.1990", "20.07.1990"},
          {"01.08.1990", "20.08.1990"},
          {"01.09.1990", "20.09.1990"},
          {"01.10.1990", "20.10.1990"}},
         {},
         6,
         "0 р. 6 міс. 20 дн."},
        {"no period and no ledger", {}, {}, 0, "0 р. 0 міс. 0 дн."},
    };
    for (const ExperienceCase& c : cases) {
        SCOPED_TRACE(c.name);
        TdMain& dm = m_dm;
        dm.cdsExp.setFiltered(false);
        dm.cdsExp.empty();
        dm.cdsEarning.setFiltered(false);
        dm.cdsEarning.empty();
        addPeriods(c.periods, m_personId);
        addLedgerMonths(c.ledger, m_personId);

        std::int32_t months = -1;
        std::string text = "old";
        dm.CalcInsuranceExperience(months, text);
        EXPECT_EQ(months, c.expectedMonths);
        EXPECT_EQ(text, c.expectedText);
    }
}

TEST_F(InsuranceExperienceTest, CountsOnlyTheCurrentPersonAndLeavesBothTablesFilteredToIt) {
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

// Periods credited without work: the experience they give (ст. 24, ст. 56 Закону № 1788-XII),
// the months that count for the right only (розд. XV п. 3-1), the minimum wage in Кз (ст. 40
// ч. 2) and the cap of the military pay.
#include "value_cases.h"

#include "calc/calculation.h"
#include "calc/ledger_build.h"
#include "calc/month_evaluation.h"
#include "calc/periods.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace rv {
namespace {

using testing_support::calculated;
using testing_support::day;
using testing_support::enteredCase;
using testing_support::lawReference;

CasePeriod periodOf(const char* begin, const char* finish, PeriodKind kind) {
    return {day(begin), day(finish), kind};
}

// A man of 65 who applies on `application`: far too little experience for the right, so the
// experience of one period shows alone.
CasePerson manApplyingOn(const char* application) {
    return {"Коваль Петро", day("01.01.1955"), 0, day(application)};
}

struct KindCase {
    const char* name;
    CasePeriod period;
    const char* application;
    std::int32_t experienceMonths; // С of ст. 25
    std::int32_t rightMonths;      // the experience of ст. 26
    bool minimumWage;              // every month takes the month's minimum wage in Кз
};

TEST(CreditedPeriodsTest, EachKindCountsAsTheLawOfItsYearsSays) {
    using K = PeriodKind;
    const std::vector<KindCase> cases = {
        // ст. 24 ч. 4, ст. 56 Закону № 1788-XII: before 2004 every credited period counts.
        {"conscript service before 2004", periodOf("01.01.1980", "31.12.1980", K::Conscript),
         "10.05.2025", 12, 12, false},
        {"full-time study before 2004", periodOf("01.09.1980", "31.08.1981", K::Study),
         "10.05.2025", 12, 12, false},
        {"child care before 2004", periodOf("01.01.1990", "31.12.1990", K::ChildCare), "10.05.2025",
         12, 12, false},
        {"maternity leave before 2004", periodOf("01.01.1990", "31.12.1990", K::Maternity),
         "10.05.2025", 12, 12, false},
        // ст. 11: insured from 2004, whole months whatever was earned; no wage before 2011.
        {"conscript service in 2006", periodOf("01.01.2006", "31.12.2006", K::Conscript),
         "10.05.2025", 12, 12, false},
        {"child care in 2006", periodOf("01.01.2006", "31.12.2006", K::ChildCare), "10.05.2025", 12,
         12, false},
        {"unemployment benefit in 2008", periodOf("01.01.2008", "31.12.2008", K::Unemployment),
         "10.05.2025", 12, 12, false},
        // Study after 2004 counts only with voluntary contributions: here none.
        {"full-time study in 2006", periodOf("01.09.2006", "31.08.2007", K::Study), "10.05.2025", 0,
         0, false},
        // ст. 40 ч. 2: from 2011 the minimum wage stands in Кз.
        {"conscript service in 2012", periodOf("01.01.2012", "31.12.2012", K::Conscript),
         "10.05.2025", 12, 12, true},
        {"child care in 2012", periodOf("01.01.2012", "31.12.2012", K::ChildCare), "10.05.2025", 12,
         12, true},
        {"care of a disabled person in 2012", periodOf("01.01.2012", "31.12.2012", K::DisabledCare),
         "10.05.2025", 12, 12, true},
        {"unemployment benefit in 2012", periodOf("01.01.2012", "31.12.2012", K::Unemployment),
         "10.05.2025", 12, 12, true},
        // ст. 11 п. 15: captivity takes the minimum wage for assignments from 2026 only.
        {"captivity in 2023, applied for in 2025",
         periodOf("01.01.2023", "31.12.2023", K::Captivity), "10.05.2025", 12, 12, false},
        {"captivity in 2023, applied for in 2026",
         periodOf("01.01.2023", "31.12.2023", K::Captivity), "10.05.2026", 12, 12, true},
        // розд. XV п. 3-1: without pay these months count for the right only, from 2018.
        {"military service in 2010 without pay", periodOf("01.01.2010", "31.12.2010", K::Military),
         "10.05.2025", 0, 12, false},
        {"maternity leave in 2010 without pay", periodOf("01.01.2010", "31.12.2010", K::Maternity),
         "10.05.2025", 0, 12, false},
        {"child care in 2004", periodOf("01.01.2004", "31.12.2004", K::ChildCare), "10.05.2025", 0,
         12, false},
        {"military service in 2010, applied for in 2017",
         periodOf("01.01.2010", "31.12.2010", K::Military), "10.05.2017", 0, 0, false},
        {"maternity leave in 2015 without pay", periodOf("01.01.2015", "31.12.2015", K::Maternity),
         "10.05.2025", 0, 0, false},
        {"work in 2012 without earnings", periodOf("01.01.2012", "31.12.2012", K::Work),
         "10.05.2025", 0, 0, false},
    };
    const Reference& reference = *lawReference();
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.name);
        const CasePerson person = manApplyingOn(c.application);
        Case entered = enteredCase(person, {c.period}, reference);
        const CalculationResult result = calculated(entered, reference, *person.applicationDate);
        EXPECT_EQ(result.insuranceMonths, c.experienceMonths);
        EXPECT_EQ(result.rightInsuranceMonths, c.rightMonths);
        ASSERT_EQ(result.months.size(), 12u);
        for (const CaseMonth& month : result.months) {
            SCOPED_TRACE(monthInSentence(month.month));
            EXPECT_EQ(month.kind, c.period.kind);
            EXPECT_EQ(month.minimumWageStands, c.minimumWage);
            EXPECT_EQ(month.earning, c.minimumWage ? month.minimumWage : 0.0);
        }
    }
}

// The days of work under a leave to care for a child count once, as the care.
TEST(CreditedPeriodsTest, ACreditedPeriodInsideWorkCountsOnceAsItsKind) {
    const Reference& reference = *lawReference();
    const CasePerson person = manApplyingOn("10.05.2025");
    const CasePeriod work = periodOf("01.01.1990", "31.12.2003", PeriodKind::Work);
    const Case alone = enteredCase(person, {work}, reference);
    const Case withCare = enteredCase(
        person, {work, periodOf("15.03.1995", "14.03.1998", PeriodKind::ChildCare)}, reference);

    Case aloneCopy = alone;
    Case withCareCopy = withCare;
    const CalculationResult a = calculated(aloneCopy, reference, *person.applicationDate);
    const CalculationResult b = calculated(withCareCopy, reference, *person.applicationDate);
    EXPECT_EQ(b.insuranceText, a.insuranceText);
    EXPECT_EQ(b.insuranceMonths, 14 * 12);
    ASSERT_EQ(withCare.months.size(), alone.months.size());
    for (const CaseMonth& month : withCare.months) {
        SCOPED_TRACE(monthInSentence(month.month));
        EXPECT_EQ(month.coveredDays, MonthLength(month.month));
        const bool care =
            month.month >= LedgerMonth{1995, 2} && month.month <= LedgerMonth{1998, 2};
        // March 1995 and March 1998 are split 17/14 and 14/17 days: the larger part decides.
        const bool careMostly = care && month.month != LedgerMonth{1998, 2};
        EXPECT_EQ(month.kind, careMostly ? PeriodKind::ChildCare : PeriodKind::Work);
    }
    EXPECT_EQ(b.creditedShare, "догляд за дитиною 3 р.");
}

TEST(CreditedPeriodsTest, OnlyACreditedPeriodMayShareDaysWithWork) {
    struct OverlapCase {
        const char* name;
        std::vector<CasePeriod> periods;
        bool refused;
    };
    using K = PeriodKind;
    const std::vector<OverlapCase> cases = {
        {"child care inside work",
         {periodOf("01.01.1990", "31.12.2000", K::Work),
          periodOf("01.03.1995", "28.02.1998", K::ChildCare)},
         false},
        {"care that outlasts the work",
         {periodOf("01.01.1990", "31.12.1996", K::Work),
          periodOf("01.03.1995", "28.02.1998", K::ChildCare)},
         false},
        {"two works on one day",
         {periodOf("01.01.1990", "31.12.1996", K::Work),
          periodOf("31.12.1996", "31.12.1998", K::Work)},
         true},
        {"two credited periods on the same days",
         {periodOf("01.01.1990", "31.12.1996", K::Work),
          periodOf("01.03.1995", "28.02.1998", K::ChildCare),
          periodOf("01.01.1998", "31.12.1998", K::Unemployment)},
         true},
    };
    for (const OverlapCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(checkPeriods(c.periods, day("01.01.1960"), 14).overlapFailure, c.refused);
    }
}

// ст. 40 ч. 2: which kinds carry the minimum wage follows the assignment date's wording; the
// ledger's months from 2011 only.
TEST(CreditedPeriodsTest, TheMinimumWageStandsByTheWordingOfTheAssignmentDate) {
    struct WordingCase {
        const char* name;
        PeriodKind kind;
        LedgerMonth month;
        const char* lawDay;
        bool stands;
    };
    using K = PeriodKind;
    const std::vector<WordingCase> cases = {
        {"unemployment, assigned before 10.2011", K::Unemployment, {2011, 2}, "30.09.2011", false},
        {"unemployment, assigned from 10.2011", K::Unemployment, {2011, 2}, "01.10.2011", true},
        {"child care in 2010: before the ledger's scope",
         K::ChildCare,
         {2010, 11},
         "01.06.2020",
         false},
        {"child care in 2011", K::ChildCare, {2011, 0}, "01.06.2011", true},
        {"captivity, assigned in 2025", K::Captivity, {2020, 5}, "31.12.2025", false},
        {"captivity, assigned in 2026", K::Captivity, {2020, 5}, "01.01.2026", true},
        {"military service never", K::Military, {2020, 5}, "01.01.2026", false},
    };
    const CreditedRules& rules = lawReference()->creditedRules();
    for (const WordingCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(kindTermsOf(rules, c.kind, c.month, day(c.lawDay)).minimumWageStands, c.stands);
    }
}

// Закон № 4695-IX ст. 32: in 2026 military pay counts up to 15 minimum wages, other income up to
// the general maximum.
TEST(CreditedPeriodsTest, MilitaryPayIsCappedAtFifteenMinimumWagesIn2026) {
    const Reference& reference = *lawReference();
    for (const PeriodKind kind : {PeriodKind::Military, PeriodKind::Work}) {
        SCOPED_TRACE(std::string(namesOf(kind).code));
        LedgerBuild build = buildLedger({periodOf("01.02.2026", "28.02.2026", kind)}, {}, reference,
                                        MonthEvaluation::ByLaw, day("01.03.2026"));
        ASSERT_EQ(build.months.size(), 1u);
        CaseMonth month = build.months.front();
        month.earning = 200000;
        evaluateMonth(month, reference, day("01.03.2026"));
        const double cap = kind == PeriodKind::Military
                               ? 15 * month.minimumWage
                               : reference.maximumIncomeOfMonth(month.month);
        EXPECT_NEAR(month.coefficient, cap / month.averageWage, 0.000005);
        EXPECT_LT(15 * month.minimumWage, reference.maximumIncomeOfMonth(month.month));
    }
}

} // namespace
} // namespace rv

// ст. 40 ч. 1 абз. 3, the second sentence: the months the person may leave out of Кз besides the
// 10 %, and the choice that leaves out only those that raise it.
#include "value_cases.h"

#include "calc/extra_exclusions.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

namespace rv {
namespace {

using testing_support::day;
using testing_support::lawReference;

TEST(ExtraExclusionsTest, AMonthMayBeLeftOutForTheReasonOfItsKindAndDates) {
    struct ReasonCase {
        const char* name;
        PeriodKind kind;
        LedgerMonth month;
        const char* assignment;
        ExtraExclusion reason;
    };
    using K = PeriodKind;
    using E = ExtraExclusion;
    const std::vector<ReasonCase> cases = {
        {"martial law before its rule: the quarantine's still",
         K::Work,
         {2022, 2},
         "30.09.2022",
         E::Quarantine},
        {"martial law", K::Work, {2022, 2}, "01.11.2022", E::MartialLaw},
        {"martial law is open-ended", K::Work, {2026, 5}, "01.08.2026", E::MartialLaw},
        {"the quarantine, assigned in 2020", K::Work, {2020, 4}, "01.12.2020", E::None},
        {"the quarantine", K::Work, {2020, 4}, "01.02.2021", E::Quarantine},
        {"the quarantine's last month is martial law's too",
         K::Work,
         {2023, 11},
         "01.02.2024",
         E::MartialLaw},
        {"the quarantine without martial law", K::Work, {2023, 11}, "01.09.2022", E::Quarantine},
        {"before the quarantine", K::Work, {2020, 1}, "01.02.2021", E::None},
        {"martial law within the quarantine", K::Work, {2022, 1}, "01.02.2023", E::MartialLaw},
        {"January 2022 is the quarantine's", K::Work, {2022, 0}, "01.02.2023", E::Quarantine},
        {"conscript service in 2001", K::Conscript, {2001, 2}, "01.01.2012", E::NonWage},
        {"study in 2001, assigned before 10.2011", K::Study, {2001, 2}, "01.01.2010", E::None},
        {"study in 2001", K::Study, {2001, 2}, "01.01.2012", E::NonWage},
        {"study in 2000 before July", K::Study, {2000, 5}, "01.01.2012", E::None},
        {"study after 2004", K::Study, {2006, 2}, "01.01.2012", E::None},
        {"child care in 2015", K::ChildCare, {2015, 2}, "01.01.2016", E::Credited},
        {"unemployment is not among ст. 11's items",
         K::Unemployment,
         {2015, 2},
         "01.01.2016",
         E::None},
        {"captivity, assigned in 2025", K::Captivity, {2015, 2}, "01.06.2025", E::None},
        {"captivity, assigned in 2026", K::Captivity, {2015, 2}, "01.06.2026", E::Credited},
        {"work in 2019", K::Work, {2019, 2}, "01.06.2026", E::None},
    };
    const CreditedRules& rules = lawReference()->creditedRules();
    for (const ReasonCase& c : cases) {
        SCOPED_TRACE(c.name);
        CaseMonth month;
        month.month = c.month;
        month.kind = c.kind;
        EXPECT_EQ(extraExclusionOf(rules, month, day(c.assignment)), c.reason);
    }
}

std::vector<std::size_t> chosen(const ExclusionChoice& choice) {
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < choice.extra.size(); ++i)
        if (choice.extra[i])
            positions.push_back(i);
    return positions;
}

TEST(ExtraExclusionsTest, OnlyMonthsBelowTheAverageGoAndSixtyStay) {
    struct ChoiceCase {
        const char* name;
        std::vector<double> coefficients;
        std::vector<bool> candidates;
        int fewestKept;
        std::vector<std::size_t> expected;
    };
    // 61 months of 1.0, then three candidates: 0.5, 1.5, 1.2.
    std::vector<double> sixtyFour(61, 1.0);
    sixtyFour.insert(sixtyFour.end(), {0.5, 1.5, 1.2});
    std::vector<bool> lastThree(64, false);
    lastThree[61] = lastThree[62] = lastThree[63] = true;
    // 59 months of 1.0 and two low candidates: the floor keeps one, the higher.
    std::vector<double> sixtyOne(59, 1.0);
    sixtyOne.insert(sixtyOne.end(), {0.2, 0.1});
    std::vector<bool> lastTwo(61, false);
    lastTwo[59] = lastTwo[60] = true;
    // 68 months: ten low candidates; the floor of 60 lets eight go, the lowest first.
    std::vector<double> seventy(58, 1.0);
    std::vector<bool> tenLow(58, false);
    for (int i = 0; i < 10; ++i) {
        seventy.push_back(0.1 + 0.01 * i);
        tenLow.push_back(true);
    }
    seventy.back() = 0.05; // the lowest of all stands last
    const std::vector<ChoiceCase> cases = {
        {"below the average goes, above and equal stay", sixtyFour, lastThree, 60, {61}},
        {"never fewer than sixty", sixtyOne, lastTwo, 60, {60}},
        {"the lowest go first", seventy, tenLow, 60, {58, 59, 60, 61, 62, 63, 64, 67}},
        {"without the rule nothing goes", sixtyFour, lastThree, 0, {}},
    };
    OptimisationLimits noRun;
    noRun.mostExcludedMonths = 0; // optimisation 2 leaves nothing out here
    noRun.fewestKeptMonths = 60;
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ExclusionChoice choice =
            chooseExclusions(c.coefficients, c.candidates, 1000, noRun, c.fewestKept);
        EXPECT_EQ(chosen(choice), c.expected);
        EXPECT_EQ(choice.kept.size() + c.expected.size(), c.coefficients.size());
        double sum = 0;
        for (const std::size_t i : choice.kept)
            sum += c.coefficients[i];
        EXPECT_DOUBLE_EQ(choice.second.sumOfCoefficients, sum);
    }
}

// The two choices together: after the extra months go, optimisation 2 chooses its run again
// over the months left, and a candidate inside its run is not counted twice.
TEST(ExtraExclusionsTest, OptimisationTwoChoosesItsRunAgainAfterTheExtraMonthsGo) {
    // 100 months: a low run of five (30..34, not candidates) and low candidates at 80 and 90.
    std::vector<double> coefficients(100, 1.0);
    for (int i = 30; i < 35; ++i)
        coefficients[static_cast<std::size_t>(i)] = 0.2;
    coefficients[80] = 0.3;
    coefficients[90] = 0.4;
    std::vector<bool> candidates(100, false);
    candidates[80] = candidates[90] = true;
    OptimisationLimits limits;
    limits.mostExcludedMonths = 60;
    limits.fewestKeptMonths = 60;
    // 10 % of 50 months of experience: a run of at most five.
    const ExclusionChoice choice = chooseExclusions(coefficients, candidates, 50, limits, 60);
    EXPECT_EQ(chosen(choice), (std::vector<std::size_t>{80, 90}));
    ASSERT_EQ(choice.second.excludedCount, 5u);
    EXPECT_EQ(choice.kept[choice.second.excludedFirst], 30u);
    EXPECT_DOUBLE_EQ(choice.second.sumOfCoefficients, 93.0);
    EXPECT_DOUBLE_EQ(choice.second.averageCoefficient, 1.0);
}

} // namespace
} // namespace rv

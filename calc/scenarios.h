#pragma once

#include "calc/calculation.h"
#include "calc/case.h"
#include "calc/reference.h"
#include "engine/date.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace rv {

// The most months a variant may add: a working life.
inline constexpr std::int32_t kMostScenarioMonths = 600;

// Work `months` more months, then apply. The work starts the day after the last period, or on the
// application date when that is later; a month's wage is `monthlyWage`, or "as now": the average
// coefficient of the person's last 12 months with earnings times the month's average wage (the
// last one known for months ahead, as the Fund's own calculator takes them).
struct WorkLonger {
    std::int32_t months = 0;
    std::optional<double> monthlyWage;
};

// Apply on another day, earlier or later, under the rules of that day; nothing else changes.
struct ApplyOn {
    Date date;
};

// Voluntary participation (ст. 10 Закону № 2464-VI, ст. 11 Закону № 1058-IV): `months` whole
// months paid at the minimum insurance contribution, from the first whole month after the last
// period (or the application date, when later), then apply. Each counts as a full month of
// experience with the minimum wage as its earnings (ст. 24 ч. 3).
struct VoluntaryContributions {
    std::int32_t months = 0;
};

using ScenarioChange = std::variant<WorkLonger, ApplyOn, VoluntaryContributions>;

struct Scenario {
    std::string name;
    ScenarioChange change;
};

// What a calculation gives, in the figures the scenarios compare.
struct ScenarioFigures {
    bool right = false;
    std::optional<int> ageRule; // the age of the way to the right; 0: any age (ст. 26 ч. 5)
    std::optional<Date> rightDate;
    std::optional<Date> assignmentDate; // with the right only
    Date applicationDate;
    std::int32_t insuranceMonths = 0; // M
    double individualCoefficient = 0; // K
    double experienceCoefficient = 0; // KS
    double total = 0;                 // 0 without the right
};

ScenarioFigures scenarioFiguresOf(const CalculationResult& result, Date applicationDate);

struct ScenarioOutcome {
    std::string name;
    // None when the variant could not be calculated; `refusal` then says why.
    std::optional<ScenarioFigures> figures;
    std::string refusal;
    Date workFrom;              // the first day of the added months (work or contributions)
    Date workUntil;             // their last day
    double monthlyWage = 0;     // the wage of the added months; for voluntary months the minimum
    double delta = 0;           // total − today's total, hryvnias a month
    std::optional<double> cost; // voluntary contributions paid, hryvnias
    std::optional<std::int32_t> paybackMonths; // months of the gain that repay the cost
    bool best = false;                         // the highest total of the list
};

// The day the right arises by working on as now, and the pension then.
struct EarliestRight {
    Date date;
    ScenarioFigures figures;
};

// The total if the person applied on `applicationDate`: working on as now until then, and
// without more work.
struct TotalOnDate {
    Date applicationDate;
    double workingOn = 0;
    double notWorking = 0;
};

// Runs variants of a calculated case, each on a changed copy of it: the case itself never
// changes. Each variant is calculated by the same core as the case itself.
class ScenarioRunner {
public:
    // `calculated` is the case whose calculation for `applicationDate` gave `today`. Throws
    // UserError when the case has no ledger or no birth date.
    ScenarioRunner(Case calculated, std::shared_ptr<const Reference> reference,
                   const CalculationResult& today, Date applicationDate);

    const ScenarioFigures& today() const { return m_today; }
    // The wage coefficient "as now" (see WorkLonger).
    double coefficientAsNow() const { return m_coefficientAsNow; }

    ScenarioOutcome run(const Scenario& scenario) const;
    // Every scenario in order, the one with the highest total (first of equals) marked best.
    std::vector<ScenarioOutcome> runAll(const std::vector<Scenario>& scenarios) const;
    // Only when today gives no right: the day it arises by working on as now. None when no
    // way is reached within the years of the search.
    std::optional<EarliestRight> earliestRight() const;
    // The totals on the application date and every `stepMonths` after it, for `months` months.
    std::vector<TotalOnDate> totalsByApplicationDate(int months, int stepMonths) const;

private:
    // The case as calculated for `applicationDate`.
    CalculationResult calculateOn(Case changed, Date applicationDate) const;
    // Adds the period [from, until] to `changed` and builds its ledger again; a refusal's texts
    // pass on as UserError.
    void addPeriod(Case& changed, Date from, Date until) const;
    // Writes `wage(month)` into every month of [from, until] that has no earnings yet.
    template <typename Wage>
    void fillEarnings(Case& changed, Date from, Date until, const Wage& wage) const;
    // The wage of a month ahead "as now".
    double wageAsNow(LedgerMonth month) const;
    Date workStart() const;

    Case m_case;
    std::shared_ptr<const Reference> m_reference;
    ScenarioFigures m_today;
    Date m_applicationDate;
    std::optional<Date> m_lastExperienceDay;
    std::optional<Date> m_projectedRightDate; // today's right by working on, when none yet
    double m_coefficientAsNow = 0;            // see WorkLonger
};

} // namespace rv

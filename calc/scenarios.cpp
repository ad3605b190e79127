#include "calc/scenarios.h"

#include "calc/calendar.h"
#include "calc/case_entry.h"
#include "calc/insurance_experience.h"
#include "calc/law.h"
#include "calc/law_rule_ids.h"
#include "calc/ledger_build.h"
#include "calc/ledger_view.h"
#include "calc/messages.h"
#include "calc/month_evaluation.h"
#include "calc/pension_dates.h"
#include "calc/rounding.h"
#include "engine/errors.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace rv {

namespace {

// How far past the first estimate the earliest right is searched: months credited in part
// (earnings below the minimum wage) may need more months than the days suggest.
constexpr std::int32_t kEarliestRightExtraMonths = 36;
// The average of a person's wage "as now" is taken over this many of their latest paid months.
constexpr std::size_t kMonthsOfWageAsNow = 12;

// The average coefficient of the latest months with earnings; 0 when none has any.
double averageOfLatestPaidMonths(const std::vector<LedgerMonthView>& months) {
    double sum = 0;
    std::size_t count = 0;
    for (auto month = months.rbegin(); month != months.rend() && count < kMonthsOfWageAsNow;
         ++month) {
        if (month->earning <= 0)
            continue;
        sum += month->coefficient;
        ++count;
    }
    return count == 0 ? 0 : sum / static_cast<double>(count);
}

// The first day of the first whole month from `day` on.
Date firstWholeMonthFrom(Date day) {
    const CivilDate civil = civilFromDate(day);
    if (civil.day == 1)
        return day;
    return IncMonth(dateFromCivil(civil.year, civil.month, 1), 1);
}

double hryvnias(double amount) {
    return static_cast<double>(RoundToPlaces(amount, 2));
}

} // namespace

ScenarioFigures scenarioFiguresOf(const CalculationResult& result, Date applicationDate) {
    ScenarioFigures figures;
    figures.right = !result.noRight;
    figures.applicationDate = applicationDate;
    if (result.right.path)
        figures.ageRule = result.right.path->age.years;
    figures.rightDate = result.right.rightDate;
    figures.insuranceMonths = result.insuranceMonths;
    if (figures.right) {
        figures.assignmentDate = result.assignmentDate;
        figures.individualCoefficient = result.formula.individualCoefficient;
        figures.experienceCoefficient = result.formula.experienceCoefficient;
        figures.total = result.formula.totalPension;
    }
    return figures;
}

namespace {

// The day added work starts: the day after the last period, or the application date if later.
Date workStartOf(std::optional<Date> lastExperienceDay, Date applicationDate) {
    if (!lastExperienceDay)
        return applicationDate;
    return std::max(Date{lastExperienceDay->serial + 1}, applicationDate);
}

void checkMonths(std::int32_t months) {
    if (months < 1 || months > kMostScenarioMonths)
        throw UserError(messages::kScenarioMonthsOutOfRange);
}

std::string joinedTexts(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts)
        joined += (joined.empty() ? "" : " ") + text;
    return joined;
}

} // namespace

ScenarioRunner::ScenarioRunner(Case calculated, std::shared_ptr<const Reference> reference,
                               const CalculationResult& today, Date applicationDate)
    : m_case(std::move(calculated)), m_reference(std::move(reference)),
      m_applicationDate(applicationDate) {
    if (m_case.months.empty() || !m_case.person.birthDate)
        throw UserError(messages::kScenarioNotCalculated);
    m_coefficientAsNow = averageOfLatestPaidMonths(ledgerMonthViews(m_case.months, *m_reference));
    // A variant's months are worked out by law, whatever the open ledger's mode.
    m_case.evaluation = MonthEvaluation::ByLaw;
    m_lastExperienceDay = lastExperienceDay(m_case.periods);
    if (today.noRight)
        m_projectedRightDate = today.right.rightDate;
    m_today = scenarioFiguresOf(today, applicationDate);
}

Date ScenarioRunner::workStart() const {
    return workStartOf(m_lastExperienceDay, m_applicationDate);
}

CalculationResult ScenarioRunner::calculateOn(Case changed, Date applicationDate) const {
    changed.person.applicationDate = applicationDate;
    return calculate(changed, *m_reference, applicationDate);
}

void ScenarioRunner::addPeriod(Case& changed, Date from, Date until) const {
    const CasePeriod added{from, until};
    checkPeriodDates(added);
    changed.periods.push_back(added);
    const std::vector<std::string> warnings =
        periodWarnings(changed.periods, *changed.person.birthDate, *m_reference);
    if (!warnings.empty())
        throw UserError(joinedTexts(warnings));
    LedgerBuild build = buildLedger(changed.periods, keptEarnings(changed.months), *m_reference,
                                    changed.evaluation, changed.person.applicationDate);
    if (build.refusal)
        throw UserError(*build.refusal);
    changed.months = std::move(build.months);
}

template <typename Wage>
void ScenarioRunner::fillEarnings(Case& changed, Date from, Date until, const Wage& wage) const {
    for (LedgerMonth month = ledgerMonthOf(from); month <= ledgerMonthOf(until);
         month = ledgerMonthOf(IncMonth(MonthStart(month), 1))) {
        CaseMonth* entry = findMonth(changed.months, month);
        if (!entry || entry->earning > 0)
            continue;
        entry->earning = wage(month);
        evaluateMonth(*entry, *m_reference, changed.person.applicationDate);
    }
}

// The wage of a month ahead "as now": the coefficient times the month's average wage, at least
// the minimum wage when nothing was earned before.
double ScenarioRunner::wageAsNow(LedgerMonth month) const {
    if (m_coefficientAsNow <= 0)
        return m_reference->minimumWage(month);
    return hryvnias(m_coefficientAsNow * m_reference->averageWageOfMonth(month));
}

ScenarioOutcome ScenarioRunner::run(const Scenario& scenario) const {
    ScenarioOutcome outcome;
    outcome.name = scenario.name;
    const Date workStart = this->workStart();
    try {
        Case changed = m_case;
        CalculationResult result;
        Date applicationDate = m_applicationDate;
        if (const auto* apply = std::get_if<ApplyOn>(&scenario.change)) {
            if (apply->date.serial == 0)
                throw UserError(messages::kScenarioDateMissing);
            applicationDate = apply->date;
            result = calculateOn(std::move(changed), applicationDate);
        } else if (const auto* work = std::get_if<WorkLonger>(&scenario.change)) {
            checkMonths(work->months);
            if (work->monthlyWage && *work->monthlyWage < 0)
                throw UserError(messages::kScenarioWageNegative);
            applicationDate = IncMonth(workStart, work->months);
            outcome.workFrom = workStart;
            outcome.workUntil = Date{applicationDate.serial - 1};
            const std::optional<double> given = work->monthlyWage;
            const auto wage = [this, given](LedgerMonth month) {
                return given ? hryvnias(*given) : wageAsNow(month);
            };
            outcome.monthlyWage = wage(ledgerMonthOf(outcome.workUntil));
            addPeriod(changed, outcome.workFrom, outcome.workUntil);
            fillEarnings(changed, outcome.workFrom, outcome.workUntil, wage);
            result = calculateOn(std::move(changed), applicationDate);
        } else if (const auto* voluntary = std::get_if<VoluntaryContributions>(&scenario.change)) {
            checkMonths(voluntary->months);
            outcome.workFrom = firstWholeMonthFrom(workStart);
            applicationDate = IncMonth(outcome.workFrom, voluntary->months);
            outcome.workUntil = Date{applicationDate.serial - 1};
            const Reference& reference = *m_reference;
            double cost = 0;
            addPeriod(changed, outcome.workFrom, outcome.workUntil);
            fillEarnings(changed, outcome.workFrom, outcome.workUntil, [&](LedgerMonth month) {
                const Date day = MonthStart(month);
                const auto rate = reference.law().number(law::ids::kSingleContributionRate, day);
                if (!rate)
                    throw UserError(messages::kLawRuleMissing +
                                    std::string(law::ids::kSingleContributionRate) +
                                    messages::kLawRuleOnDate + formatDate(day));
                const double minimumWage = reference.minimumWage(month);
                cost += hryvnias(minimumWage * *rate / 100);
                return minimumWage;
            });
            outcome.monthlyWage = reference.minimumWage(ledgerMonthOf(outcome.workUntil));
            outcome.cost = hryvnias(cost);
            result = calculateOn(std::move(changed), applicationDate);
        }
        outcome.figures = scenarioFiguresOf(result, applicationDate);
    } catch (const UserError& error) {
        outcome.refusal = error.what();
        return outcome;
    }
    // As the totals are shown: to the kopeck.
    outcome.delta = hryvnias(hryvnias(outcome.figures->total) - hryvnias(m_today.total));
    if (outcome.cost && outcome.delta > 0)
        outcome.paybackMonths =
            static_cast<std::int32_t>(std::ceil(*outcome.cost / outcome.delta - 1e-9));
    return outcome;
}

std::vector<ScenarioOutcome> ScenarioRunner::runAll(const std::vector<Scenario>& scenarios) const {
    std::vector<ScenarioOutcome> outcomes;
    outcomes.reserve(scenarios.size());
    for (const Scenario& scenario : scenarios)
        outcomes.push_back(run(scenario));
    ScenarioOutcome* best = nullptr;
    for (ScenarioOutcome& outcome : outcomes)
        if (outcome.figures && outcome.figures->right &&
            (!best || outcome.figures->total > best->figures->total))
            best = &outcome;
    if (best)
        best->best = true;
    return outcomes;
}

std::optional<EarliestRight> ScenarioRunner::earliestRight() const {
    if (m_today.right || !m_projectedRightDate)
        return std::nullopt;
    const Date workStart = this->workStart();
    const Date target = *m_projectedRightDate;
    // The fewest whole months after which the application falls on or after that day.
    std::int32_t months = 0;
    while (IncMonth(workStart, months) < target && months < kMostScenarioMonths)
        ++months;
    for (std::int32_t extra = 0; extra <= kEarliestRightExtraMonths; ++extra) {
        ScenarioOutcome outcome;
        if (months + extra == 0) {
            outcome = run({"", ApplyOn{workStart}});
        } else {
            if (months + extra > kMostScenarioMonths)
                break;
            outcome = run({"", WorkLonger{months + extra, std::nullopt}});
        }
        if (outcome.figures && outcome.figures->right && outcome.figures->rightDate)
            return EarliestRight{*outcome.figures->rightDate, *outcome.figures};
    }
    return std::nullopt;
}

std::vector<TotalOnDate> ScenarioRunner::totalsByApplicationDate(int months, int stepMonths) const {
    std::vector<TotalOnDate> totals;
    const Date workStart = this->workStart();
    const auto totalOf = [](const ScenarioOutcome& outcome) {
        return outcome.figures ? outcome.figures->total : 0.0;
    };
    for (int offset = 0; offset <= months; offset += std::max(1, stepMonths)) {
        TotalOnDate point;
        point.applicationDate = IncMonth(m_applicationDate, offset);
        point.notWorking = totalOf(run({"", ApplyOn{point.applicationDate}}));
        point.workingOn = point.notWorking;
        if (point.applicationDate > workStart) {
            // Working on as now from the start of the added work until the application.
            try {
                Case changed = m_case;
                const Date workUntil{point.applicationDate.serial - 1};
                addPeriod(changed, workStart, workUntil);
                fillEarnings(changed, workStart, workUntil,
                             [this](LedgerMonth month) { return wageAsNow(month); });
                point.workingOn =
                    scenarioFiguresOf(calculateOn(std::move(changed), point.applicationDate),
                                      point.applicationDate)
                        .total;
            } catch (const UserError&) {
                point.workingOn = 0; // no pension can be calculated for that day
            }
        }
        totals.push_back(point);
    }
    return totals;
}

} // namespace rv

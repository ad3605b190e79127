#include "scenarios.h"
#include "store/dm_calculation.h"

#include "calc/calendar.h"
#include "calc/law.h"
#include "calc/law_rule_ids.h"
#include "calc/ledger_view.h"
#include "calc/pension_dates.h"
#include "calc/rounding.h"
#include "store/dmMain.h"
#include "engine/errors.h"
#include "calc/messages.h"

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

// The copy of the case: a data module of its own with the case's three tables, put back to the
// case as it was before every variant.
struct ScenarioRunner::Copy {
    explicit Copy(const StoredReferenceData& stored) : dm(stored) { dm.setPrompt(&prompt); }

    GatheringPrompt prompt; // never shown: a variant that fails reports its texts
    TdMain dm;
    std::array<std::string, 3> snapshots; // person, periods, ledger
    Date birthDate;
    std::optional<Date> lastExperienceDay;
    std::optional<Date> projectedRightDate; // today's right by working on, when none yet
    double coefficientAsNow = 0;            // see WorkLonger

    void restore() {
        prompt.texts.clear();
        for (Table* table : dm.caseTables()) // an edit a variant left unfinished is dropped
            if (table->isEditing())
                table->cancel();
        dm.ReplaceCaseRows(snapshots[0], snapshots[1], snapshots[2]);
    }

    CalculationResult calculate(Date applicationDate) {
        dm.cdsPerson.first();
        dm.cdsPerson.edit();
        dm.cdsPerson.setValue("person_af_date", applicationDate);
        dm.cdsPerson.post();
        return Calculate(dm, applicationDate, '.');
    }

    // Adds the period [from, until] and builds the ledger for it; the texts of a refusal pass on.
    void addPeriod(Date from, Date until) {
        dm.cdsExp.append();
        dm.cdsExp.setValue("exp_date_begin", from);
        dm.cdsExp.setValue("exp_date_finish", until);
        dm.cdsExp.post();
        const VerifyResult verified = dm.VerifyPeriods(birthDate);
        if (verified.outcome != VerifyResult::Outcome::LedgerBuilt) {
            std::string texts;
            for (const std::string& text : prompt.texts)
                texts += (texts.empty() ? "" : " ") + text;
            throw UserError(texts);
        }
    }

    // The wage of a month ahead "as now": the coefficient times the month's average wage, at
    // least the minimum wage when nothing was earned before.
    double wageAsNow(LedgerMonth month) {
        if (coefficientAsNow <= 0)
            return dm.GetMinZp(month);
        return hryvnias(coefficientAsNow * dm.GetAvgZpMonth(month));
    }

    // Adds the months [from, until] of work (or contributions) at `wage(month)` a month.
    template <typename Wage> void addWork(Date from, Date until, const Wage& wage) {
        addPeriod(from, until);
        fillEarnings(from, until, wage);
    }

    // Writes `wage(month)` into every month of [from, until] that has no earnings yet.
    template <typename Wage> void fillEarnings(Date from, Date until, const Wage& wage) {
        Table& ledger = dm.cdsEarning;
        for (LedgerMonth month = ledgerMonthOf(from); month <= ledgerMonthOf(until);
             month = ledgerMonthOf(IncMonth(MonthStart(month), 1))) {
            if (!ledger.locate("earning_id", ledgerKey(dm.currentPersonId(), month)))
                continue;
            if (ledger.asFloat("earning_payment") > 0)
                continue;
            ledger.edit();
            ledger.setValue("earning_payment", wage(month));
            ledger.post();
        }
    }
};

ScenarioRunner::ScenarioRunner(TdMain& openCase, const CalculationResult& today,
                               Date applicationDate)
    : m_applicationDate(applicationDate) {
    for (Table* table : openCase.caseTables())
        if (table->isEditing())
            throw UserError(messages::kScenarioEditPending);
    if (openCase.cdsEarning.recordCount() == 0)
        throw UserError(messages::kScenarioNotCalculated);

    m_copy = std::make_unique<Copy>(openCase.storedReference());
    const std::array<Table*, 3> tables = openCase.caseTables();
    for (std::size_t i = 0; i < tables.size(); ++i)
        m_copy->snapshots[i] = tables[i]->saveSnapshot(); // every row, the filter untouched
    m_copy->restore();
    const std::optional<Date> birthDate = m_copy->dm.cdsPerson.asDate("person_birthdate");
    if (!birthDate)
        throw UserError(messages::kScenarioNotCalculated);
    m_copy->birthDate = *birthDate;
    m_copy->lastExperienceDay = m_copy->dm.LastExperienceDay();
    if (today.noRight)
        m_copy->projectedRightDate = today.right.rightDate;
    m_today = scenarioFiguresOf(today, applicationDate);
    m_copy->coefficientAsNow = averageOfLatestPaidMonths(ledgerMonthViews(openCase));
}

ScenarioRunner::~ScenarioRunner() = default;

double ScenarioRunner::coefficientAsNow() const {
    return m_copy->coefficientAsNow;
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

} // namespace

ScenarioOutcome ScenarioRunner::run(const Scenario& scenario) {
    ScenarioOutcome outcome;
    outcome.name = scenario.name;
    Copy& copy = *m_copy;
    const Date workStart = workStartOf(copy.lastExperienceDay, m_applicationDate);
    try {
        copy.restore();
        CalculationResult result;
        Date applicationDate = m_applicationDate;
        if (const auto* apply = std::get_if<ApplyOn>(&scenario.change)) {
            if (apply->date.serial == 0)
                throw UserError(messages::kScenarioDateMissing);
            applicationDate = apply->date;
            result = copy.calculate(applicationDate);
        } else if (const auto* work = std::get_if<WorkLonger>(&scenario.change)) {
            checkMonths(work->months);
            if (work->monthlyWage && *work->monthlyWage < 0)
                throw UserError(messages::kScenarioWageNegative);
            applicationDate = IncMonth(workStart, work->months);
            outcome.workFrom = workStart;
            outcome.workUntil = Date{applicationDate.serial - 1};
            const std::optional<double> given = work->monthlyWage;
            const auto wage = [&copy, given](LedgerMonth month) {
                return given ? hryvnias(*given) : copy.wageAsNow(month);
            };
            outcome.monthlyWage = wage(ledgerMonthOf(outcome.workUntil));
            copy.addWork(outcome.workFrom, outcome.workUntil, wage);
            result = copy.calculate(applicationDate);
        } else if (const auto* voluntary = std::get_if<VoluntaryContributions>(&scenario.change)) {
            checkMonths(voluntary->months);
            outcome.workFrom = firstWholeMonthFrom(workStart);
            applicationDate = IncMonth(outcome.workFrom, voluntary->months);
            outcome.workUntil = Date{applicationDate.serial - 1};
            TdMain& dm = copy.dm;
            double cost = 0;
            copy.addWork(outcome.workFrom, outcome.workUntil, [&](LedgerMonth month) {
                const Date day = MonthStart(month);
                const auto rate = dm.Law().number(law::ids::kSingleContributionRate, day);
                if (!rate)
                    throw UserError(messages::kLawRuleMissing +
                                    std::string(law::ids::kSingleContributionRate) +
                                    messages::kLawRuleOnDate + formatDate(day));
                const double minimumWage = dm.GetMinZp(month);
                cost += hryvnias(minimumWage * *rate / 100);
                return minimumWage;
            });
            outcome.monthlyWage = dm.GetMinZp(ledgerMonthOf(outcome.workUntil));
            outcome.cost = hryvnias(cost);
            result = copy.calculate(applicationDate);
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

std::vector<ScenarioOutcome> ScenarioRunner::runAll(const std::vector<Scenario>& scenarios) {
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

std::optional<EarliestRight> ScenarioRunner::earliestRight() {
    if (m_today.right || !m_copy->projectedRightDate)
        return std::nullopt;
    const Date workStart = workStartOf(m_copy->lastExperienceDay, m_applicationDate);
    const Date target = *m_copy->projectedRightDate;
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

std::vector<TotalOnDate> ScenarioRunner::totalsByApplicationDate(int months, int stepMonths) {
    std::vector<TotalOnDate> totals;
    const Date workStart = workStartOf(m_copy->lastExperienceDay, m_applicationDate);
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
                Copy& copy = *m_copy;
                copy.restore();
                copy.addWork(workStart, Date{point.applicationDate.serial - 1},
                             [&copy](LedgerMonth month) { return copy.wageAsNow(month); });
                point.workingOn =
                    scenarioFiguresOf(copy.calculate(point.applicationDate), point.applicationDate)
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

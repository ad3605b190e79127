#include "pension_right.h"

#include "calc/law_rule_ids.h"
#include "calc/pension_dates.h"

#include <algorithm>
#include <cmath>

namespace rv {

namespace {

constexpr int kMale = 0;

int wholeYears(double value) {
    return static_cast<int>(std::lround(value));
}

// The day the age is reached (the birthday): the rules of that day fix the age and the
// experience needed (ст. 26); the right is used from the day after.
Date ageDay(Date birthDate, PensionAge age) {
    return ageReachedOn(birthDate, age.years, age.months);
}

Date dayAfterAge(Date birthDate, PensionAge age) {
    return pensionAgeDate(birthDate, age.years, age.months);
}

// The age of the rows of `ageRule` whose row holds on the day that age is reached.
std::optional<PensionAge> ageOfRule(const law::LawBook& law, std::string_view ageRule,
                                    Date birthDate) {
    for (const law::Rule* row : law.rowsOf(ageRule)) {
        const auto years = law::parseNumber(row->value);
        if (!years)
            continue;
        const PensionAge age{wholeYears(*years), 0};
        if (row->holdsOn(ageDay(birthDate, age)))
            return age;
    }
    return std::nullopt;
}

std::optional<RightPath> pathAtAge(const law::LawBook& law, Date birthDate, PensionAge age,
                                   std::initializer_list<std::string_view> experienceRules) {
    const Date from = dayAfterAge(birthDate, age);
    for (const std::string_view id : experienceRules) {
        const law::Rule* rule = law.inForce(id, ageDay(birthDate, age));
        const auto years = rule ? law::parseNumber(rule->value) : std::nullopt;
        if (years)
            return RightPath{age, from, wholeYears(*years) * 12, rule};
    }
    return std::nullopt;
}

// The day the right arises on a way from `from` on: `from` itself when the experience is there,
// else the day after the experience is gained (ст. 26 ч. 4 абз. 1), searched up to the last day
// of experience; the experience never shrinks as days are added.
Date dayExperienceReached(std::int32_t required, Date from, Date lastDay,
                          const std::function<std::int32_t(Date)>& monthsUntil) {
    if (lastDay <= from || monthsUntil(from) >= required)
        return from;
    std::int32_t low = from.serial;     // not enough
    std::int32_t high = lastDay.serial; // enough
    while (high - low > 1) {
        const std::int32_t middle = low + (high - low) / 2;
        if (monthsUntil(Date{middle}) >= required)
            high = middle;
        else
            low = middle;
    }
    return Date{high + 1};
}

} // namespace

std::optional<PensionAge> pensionAgeOf(const law::LawBook& law, Date birthDate, int gender) {
    if (gender != kMale) {
        const law::WomenAge* row = law.womenAgeFor(birthDate);
        if (!row)
            return std::nullopt;
        return PensionAge{row->years, row->months};
    }
    if (auto age = ageOfRule(law, law::ids::kMenAge, birthDate))
        return age;
    // Reached before the law's first rule: its first age stands.
    const auto rows = law.rowsOf(law::ids::kMenAge);
    for (const law::Rule* row : rows)
        if (const auto years = law::parseNumber(row->value))
            return PensionAge{wholeYears(*years), 0};
    return std::nullopt;
}

std::vector<RightPath> rightPaths(const law::LawBook& law, Date birthDate, int gender) {
    std::vector<RightPath> paths;
    if (const auto age = pensionAgeOf(law, birthDate, gender)) {
        auto path = pathAtAge(
            law, birthDate, *age,
            {law::ids::kExperienceAtPensionAge, law::ids::kExperienceAtPensionAgeBefore2011});
        if (!path) {
            // Reached before the law's first rule: the first rule stands.
            const auto first = law.rowsOf(law::ids::kExperienceAtPensionAgeBefore2011);
            if (!first.empty() && ageDay(birthDate, *age) < *first.front()->begin)
                if (const auto years = law::parseNumber(first.front()->value))
                    path = RightPath{*age, dayAfterAge(birthDate, *age), wholeYears(*years) * 12,
                                     first.front()};
        }
        if (path)
            paths.push_back(*path);
    }
    for (const auto& [ageRule, experienceRule] :
         {std::pair{law::ids::kSecondAge, law::ids::kExperienceAtSecondAge},
          std::pair{law::ids::kThirdAge, law::ids::kExperienceAtThirdAge}}) {
        if (const auto age = ageOfRule(law, ageRule, birthDate))
            if (auto path = pathAtAge(law, birthDate, *age, {experienceRule}))
                paths.push_back(*path);
    }
    for (const law::Rule* row : law.rowsOf(law::ids::kExperienceAtAnyAge))
        if (const auto years = law::parseNumber(row->value))
            paths.push_back(RightPath{{0, 0}, *row->begin, wholeYears(*years) * 12, row});
    return paths;
}

std::vector<RightPath> pathsForApplication(const law::LawBook& law, std::vector<RightPath> paths,
                                           Date applicationDate) {
    for (RightPath& path : paths) {
        if (!path.rule || path.rule->id != law::ids::kExperienceAtPensionAgeBefore2011 ||
            !path.rule->end || assignmentDate(path.from, applicationDate) <= *path.rule->end)
            continue;
        const Date next{path.rule->end->serial + 1};
        const law::Rule* rule = law.inForce(law::ids::kExperienceAtPensionAge, next);
        if (const auto years = rule ? law::parseNumber(rule->value) : std::nullopt) {
            path.requiredMonths = std::max(path.requiredMonths, wholeYears(*years) * 12);
            path.rule = rule;
        }
    }
    return paths;
}

RightDecision decideRight(const std::vector<RightPath>& paths, std::int32_t insuranceMonths,
                          const std::function<std::int32_t(Date)>& monthsUntil,
                          Date lastExperienceDay, Date applicationDate) {
    RightDecision decision;
    // The ways met by the experience entered, and the soonest of them.
    for (const RightPath& path : paths) {
        if (insuranceMonths < path.requiredMonths)
            continue;
        const Date day =
            dayExperienceReached(path.requiredMonths, path.from, lastExperienceDay, monthsUntil);
        if (!decision.rightDate || day < *decision.rightDate) {
            decision.rightDate = day;
            decision.path = path;
        }
    }
    if (decision.rightDate) {
        decision.hasRight = IncMonth(*decision.rightDate, -1) <= applicationDate;
        return decision;
    }

    // None is met: the way reached soonest by working on from the day after the last period, or
    // from the application when the last period ended before it.
    decision.projected = true;
    Date workFrom{lastExperienceDay.serial + 1};
    if (workFrom < applicationDate)
        workFrom = applicationDate;
    for (const RightPath& path : paths) {
        const std::int32_t missing = path.requiredMonths - insuranceMonths;
        Date day = IncMonth(workFrom, missing);
        if (day < path.from)
            day = path.from;
        if (!decision.rightDate || day < *decision.rightDate) {
            decision.rightDate = day;
            decision.path = path;
            decision.shortfallMonths = missing;
        }
    }
    return decision;
}

} // namespace rv

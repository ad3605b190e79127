#pragma once

#include "calc/law.h"
#include "engine/date.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace rv {

// A pension age in years and months (women born before 1961 have ages such as 57 р. 6 міс.).
struct PensionAge {
    int years = 0;
    int months = 0;
};

// The pension age of ст. 26 ч. 1: for men the age of the rule in force on the day it is reached,
// for women the age of their birth date's row. None when the law book has no answer.
std::optional<PensionAge> pensionAgeOf(const law::LawBook& law, Date birthDate, int gender);

// One way to the right to an old-age pension (ст. 26): reaching an age with the experience fixed
// for the day it is reached (ч. 1-3, ч. 4 абз. 2), or any age with enough experience (ч. 5).
struct RightPath {
    PensionAge age; // {0, 0}: at any age
    Date from;      // the day the age is reached, or the first day of the rule
    std::int32_t requiredMonths = 0;
    const law::Rule* rule = nullptr; // the rule that fixes the experience needed
};

// The person's ways to the right in this order: the pension age, the second age (63), the third
// (65), any age. A way whose rule does not hold on its day is left out.
std::vector<RightPath> rightPaths(const law::LawBook& law, Date birthDate, int gender);

// The ways as they hold for a pension applied for on `applicationDate`: the experience fixed
// before 01.10.2011 (5 years) held only for pensions assigned before that day (Закон 3668-VI
// розд. II п. 4); assigned later, the experience of the rule that followed it is needed.
std::vector<RightPath> pathsForApplication(const law::LawBook& law, std::vector<RightPath> paths,
                                           Date applicationDate);

// What the experience gives, with the application date.
struct RightDecision {
    bool hasRight = false;  // the right exists on the application date (or a month after it)
    bool projected = false; // no way is met by the experience entered: `path` and `rightDate`
                            // are those reached soonest by working on from the last period
                            // (or from the application, if that is later)
    std::optional<RightPath> path;    // the way that gives the right soonest
    std::optional<Date> rightDate;    // the day the right arises on that way
    std::int32_t shortfallMonths = 0; // months of experience still missing on that way
};

// Decides the right (ст. 26 ч. 4 абз. 1: the right arises once the experience fixed on the day of
// the age is gained). `insuranceMonths` is the whole experience entered, `monthsUntil(day)` the
// experience gained up to and including `day`, `lastExperienceDay` the end of the last period.
// An application at most one month before the right's day counts as made with the right, as
// the person confirmation allows before the pension age.
RightDecision decideRight(const std::vector<RightPath>& paths, std::int32_t insuranceMonths,
                          const std::function<std::int32_t(Date)>& monthsUntil,
                          Date lastExperienceDay, Date applicationDate);

} // namespace rv

#include "calc/periods.h"
#include "calc/calendar.h"
#include "calc/ledger_rules.h"

#include <algorithm>
#include <string>

namespace rv {

namespace {

// The youngest age at which a person may be hired is the law's (a pupil with a parent's consent,
// ст. 188 КЗпП).
bool startsTooYoung(Date begin, Date birthDate, int minimumAge) {
    return begin < birthDate || FullYearsBetween(birthDate, begin) < minimumAge;
}

bool isWork(const CasePeriod& period) {
    return period.kind == PeriodKind::Work;
}

bool startsEarlier(const CasePeriod& a, const CasePeriod& b) {
    return *a.begin < *b.begin;
}

// Sorted by their first day, periods overlap exactly when one starts on or before the last day
// of an earlier one (both ends belong to a period, so touching on one day overlaps).
bool anyOverlap(std::vector<CasePeriod> periods) {
    std::sort(periods.begin(), periods.end(), startsEarlier);
    for (std::size_t i = 1; i < periods.size(); ++i)
        if (*periods[i].begin <= *periods[i - 1].finish)
            return true;
    return false;
}

} // namespace

PeriodsCheck checkPeriods(std::vector<CasePeriod> periods, Date birthDate, int minimumAge) {
    PeriodsCheck check;
    for (const CasePeriod& period : periods)
        if (startsTooYoung(*period.begin, birthDate, minimumAge))
            check.ageFailure = true;
    const auto credited = std::stable_partition(periods.begin(), periods.end(), isWork);
    check.overlapFailure =
        anyOverlap({periods.begin(), credited}) || anyOverlap({credited, periods.end()});
    return check;
}

std::vector<CasePeriod> experienceSpans(const std::vector<CasePeriod>& periods) {
    std::vector<CasePeriod> dated;
    std::vector<CasePeriod> spans;
    for (const CasePeriod& period : periods)
        (period.begin && period.finish ? dated : spans).push_back(period);
    std::sort(dated.begin(), dated.end(), startsEarlier);
    for (const CasePeriod& period : dated) {
        if (!spans.empty() && spans.back().begin && *period.begin <= *spans.back().finish) {
            spans.back().finish = std::max(*spans.back().finish, *period.finish);
            continue;
        }
        spans.push_back(period);
    }
    return spans;
}

YearsMonthsDays periodsLength(const std::vector<CasePeriod>& periods) {
    YearsMonthsDays total;
    for (const CasePeriod& period : periods) {
        if (!period.begin || !period.finish || *period.finish < *period.begin)
            continue;
        const YearsMonthsDays length = ExpPeriodYMD(*period.begin, *period.finish);
        total.years += length.years;
        total.months += length.months;
        total.days += length.days;
    }
    NormalizeYMD(total);
    return total;
}

std::vector<CasePeriod> periodsCountedOnce(const std::vector<CasePeriod>& periods) {
    std::vector<CasePeriod> credited;
    for (const CasePeriod& period : periods)
        if (!isWork(period) && period.begin && period.finish)
            credited.push_back(period);
    if (credited.empty())
        return periods;
    std::sort(credited.begin(), credited.end(), startsEarlier);

    std::vector<CasePeriod> counted;
    counted.reserve(periods.size() + credited.size());
    for (const CasePeriod& period : periods) {
        if (!isWork(period) || !period.begin || !period.finish) {
            counted.push_back(period);
            continue;
        }
        // The credited periods that end on or after the work's first day, in order: they do
        // not overlap one another, so their first days ascend as their last days do.
        auto next = std::lower_bound(credited.begin(), credited.end(), *period.begin,
                                     [](const CasePeriod& c, Date day) { return *c.finish < day; });
        Date from = *period.begin;
        for (; next != credited.end() && *next->begin <= *period.finish; ++next) {
            if (from < *next->begin)
                counted.push_back({from, Date{next->begin->serial - 1}, PeriodKind::Work});
            if (!(*next->finish < from))
                from = Date{next->finish->serial + 1};
        }
        if (!(*period.finish < from))
            counted.push_back({from, *period.finish, PeriodKind::Work});
    }
    return counted;
}

} // namespace rv

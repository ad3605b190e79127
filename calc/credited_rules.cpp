#include "calc/credited_rules.h"

#include "calc/calendar.h"
#include "calc/law_rule_ids.h"

#include <cmath>
#include <string_view>

namespace rv {

KindSet KindsByDay::on(Date day) const {
    const Row* found = nullptr;
    for (const Row& row : m_rows)
        if (row.span.holds(day) && (!found || found->span.begin < row.span.begin))
            found = &row;
    return found ? found->kinds : KindSet{};
}

namespace {

// A row's days; none for a row without a begin date, which is never applied.
std::optional<DaySpan> spanOf(const law::Rule& row) {
    if (!row.begin)
        return std::nullopt;
    return DaySpan{*row.begin, row.end};
}

std::optional<DaySpan> firstSpan(const law::LawBook& law, std::string_view id) {
    const auto rows = law.rowsOf(id);
    return rows.empty() ? std::nullopt : spanOf(*rows.front());
}

// "conscript child_care": the kinds a row names; a word that names no kind is passed over.
KindSet kindsOf(std::string_view text) {
    KindSet kinds;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        if (const auto kind = periodKindOfCode(text.substr(0, space)))
            kinds.add(*kind);
        text = space == std::string_view::npos ? std::string_view{} : text.substr(space + 1);
    }
    return kinds;
}

KindsByDay kindsByDay(const law::LawBook& law, std::string_view id) {
    KindsByDay kinds;
    for (const law::Rule* row : law.rowsOf(id))
        if (const auto span = spanOf(*row))
            kinds.add(*span, kindsOf(row->value));
    return kinds;
}

// The last day of the third month after the month of `day` (ст. 40 ч. 1 абз. 3: "протягом трьох
// календарних місяців після його припинення").
Date endOfThirdMonthAfter(Date day) {
    LedgerMonth month = ledgerMonthOf(day);
    for (int i = 0; i < 4; ++i)
        month = monthAfter(month);
    return Date{MonthStart(month).serial - 1};
}

} // namespace

CreditedRules creditedRulesOf(const law::LawBook& law) {
    CreditedRules rules;
    rules.creditedInFull = kindsByDay(law, law::ids::kCreditedInFullKinds);
    if (const auto span = firstSpan(law, law::ids::kRightOnlyPeriods))
        rules.rightOnlyFrom = span->begin;
    const std::pair<std::string_view, PeriodKind> windows[] = {
        {law::ids::kRightOnlyMilitary, PeriodKind::Military},
        {law::ids::kRightOnlyMaternity, PeriodKind::Maternity},
        {law::ids::kRightOnlyChildCare, PeriodKind::ChildCare}};
    for (const auto& [id, kind] : windows)
        for (const law::Rule* row : law.rowsOf(id))
            if (const auto span = spanOf(*row))
                rules.rightOnlyWindows.push_back({kind, *span});

    rules.minimumWageKinds = kindsByDay(law, law::ids::kMinimumWageKinds);
    if (const auto span = firstSpan(law, law::ids::kMinimumWageLedgerScope))
        rules.minimumWageFrom = span->begin;
    for (const law::Rule* row : law.rowsOf(law::ids::kMilitaryPayCap)) {
        const auto span = spanOf(*row);
        const auto factor = law::parseNumber(row->value);
        if (span && factor)
            rules.militaryCaps.push_back({*span, *factor});
    }

    rules.nonWageKinds = kindsByDay(law, law::ids::kNonWageExclusionKinds);
    rules.nonWageMonths = firstSpan(law, law::ids::kNonWageExclusionMonths);
    rules.categoryKinds = kindsByDay(law, law::ids::kCategoryExclusionKinds);
    rules.quarantineOffered = firstSpan(law, law::ids::kQuarantineExclusionOffered);
    rules.quarantineMonths = firstSpan(law, law::ids::kQuarantineExclusionMonths);
    rules.martialLawOffered = firstSpan(law, law::ids::kMartialLawExclusionOffered);
    rules.martialLawMonths = firstSpan(law, law::ids::kMartialLawExclusionMonths);
    const auto endRows = law.rowsOf(law::ids::kMartialLawEnd);
    if (rules.martialLawMonths && !endRows.empty())
        if (const auto end = parseDate(endRows.back()->value))
            rules.martialLawMonths->end = endOfThirdMonthAfter(*end);
    const auto floorRows = law.rowsOf(law::ids::kFewestMonthsAfterExclusion);
    if (!floorRows.empty())
        if (const auto floor = law::parseNumber(floorRows.back()->value))
            rules.fewestMonthsAfterExclusion = static_cast<int>(std::lround(*floor));
    return rules;
}

KindTerms kindTermsOf(const CreditedRules& rules, PeriodKind kind, LedgerMonth month,
                      std::optional<Date> lawDay) {
    KindTerms terms;
    if (kind == PeriodKind::Work)
        return terms;
    const Date monthStart = MonthStart(month);
    // Without a day, the rules still in force at the end of the calendar.
    const Date day = lawDay.value_or(dateFromCivil(9999, 12, 31));
    terms.creditedInFull = rules.creditedInFull.on(monthStart).contains(kind);
    if (rules.rightOnlyFrom && *rules.rightOnlyFrom <= day)
        for (const auto& window : rules.rightOnlyWindows)
            if (window.kind == kind && window.months.holds(monthStart))
                terms.rightOnlyRest = true;
    terms.minimumWageStands = rules.minimumWageFrom && *rules.minimumWageFrom <= monthStart &&
                              rules.minimumWageKinds.on(day).contains(kind);
    if (kind == PeriodKind::Military)
        for (const auto& cap : rules.militaryCaps)
            if (cap.months.holds(monthStart))
                terms.capInMinimumWages = cap.minimumWages;
    return terms;
}

} // namespace rv

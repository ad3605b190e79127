#include "ledger_rules.h"

#include "calc/calendar.h"
#include "calc/law_rule_ids.h"
#include "engine/errors.h"
#include "calc/messages.h"

#include <cmath>

namespace rv {

namespace {

[[noreturn]] void missing(std::string_view id) {
    throw UserError(messages::kLawRuleMissing + std::string(id));
}

const law::Rule& latest(const law::LawBook& law, std::string_view id) {
    const auto rows = law.rowsOf(id);
    if (rows.empty())
        missing(id);
    return *rows.back();
}

double latestNumber(const law::LawBook& law, std::string_view id) {
    const auto value = law::parseNumber(latest(law, id).value);
    if (!value)
        missing(id);
    return *value;
}

Date latestDate(const law::LawBook& law, std::string_view id) {
    const auto value = parseDate(latest(law, id).value);
    if (!value)
        missing(id);
    return *value;
}

} // namespace

LedgerRules ledgerRulesOf(const law::LawBook& law) {
    LedgerRules rules;
    rules.maxIncomeFrom = latestDate(law, law::ids::kMaxIncomeFrom);
    rules.earlyCoefficientCap = latestNumber(law, law::ids::kEarlyCoefficientCap);
    // The formula of ст. 24 ч. 3 holds from its first day on.
    const auto creditRows = law.rowsOf(law::ids::kProportionalMonthCredit);
    if (creditRows.empty())
        missing(law::ids::kProportionalMonthCredit);
    rules.proportionalCreditFrom = *creditRows.front()->begin;
    rules.earlyWindowEnd = latestDate(law, law::ids::kEarlyWindowEnd);
    rules.minimumWorkingAge =
        static_cast<int>(std::lround(latestNumber(law, law::ids::kMinimumWorkingAge)));
    rules.hryvniaFrom = latestDate(law, law::ids::kHryvniaFrom);
    rules.karbovanetsPerHryvnia = latestNumber(law, law::ids::kKarbovanetsPerHryvnia);
    return rules;
}

bool isBeforeCurrencyReform(const LedgerRules& rules, LedgerMonth month) {
    return month < ledgerMonthOf(rules.hryvniaFrom);
}

double hryvniasFromKarbovanets(const LedgerRules& rules, double karbovanets) {
    return karbovanets / rules.karbovanetsPerHryvnia;
}

bool isShortCreditedMonth(const LedgerRules& rules, int year, int month0, int creditedDays) {
    const Date monthStart = MonthStart(year, month0);
    return !(monthStart < rules.proportionalCreditFrom) && creditedDays < MonthLength(monthStart);
}

} // namespace rv

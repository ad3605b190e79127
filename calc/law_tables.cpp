#include "law_tables.h"

#include "calc/calc_cache.h"
#include "store/dmMain.h"
#include "store/engine/table.h"

#include <variant>

namespace rv {

namespace {

std::optional<Date> dateAt(const Table& table, int row, int position) {
    const Value value = table.viewValue(row, position);
    if (const auto* date = std::get_if<Date>(&value))
        return *date;
    return std::nullopt;
}

std::string textAt(const Table& table, int row, int position) {
    const Value value = table.viewValue(row, position);
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    return {};
}

} // namespace

law::LawBook lawBookFromTables(const Table& lawRules, const Table& womenAges) {
    std::vector<law::Rule> rules;
    const int id = lawRules.fieldIndex("lr_rule_id");
    const int begin = lawRules.fieldIndex("lr_date_begin");
    const int end = lawRules.fieldIndex("lr_date_end");
    const int value = lawRules.fieldIndex("lr_value");
    const int unit = lawRules.fieldIndex("lr_unit");
    const int act = lawRules.fieldIndex("lr_act");
    const int article = lawRules.fieldIndex("lr_article");
    const int quote = lawRules.fieldIndex("lr_quote");
    const int confidence = lawRules.fieldIndex("lr_confidence");
    const int source = lawRules.fieldIndex("lr_source");
    for (int row = 0; row < lawRules.recordCount(); ++row)
        rules.push_back({textAt(lawRules, row, id), dateAt(lawRules, row, begin),
                         dateAt(lawRules, row, end), textAt(lawRules, row, value),
                         textAt(lawRules, row, unit), textAt(lawRules, row, act),
                         textAt(lawRules, row, article), textAt(lawRules, row, quote),
                         textAt(lawRules, row, confidence), textAt(lawRules, row, source)});

    std::vector<law::WomenAge> ages;
    const int birthBegin = womenAges.fieldIndex("wa_birth_date_begin");
    const int birthEnd = womenAges.fieldIndex("wa_birth_date_end");
    const int years = womenAges.fieldIndex("wa_age_years");
    const int months = womenAges.fieldIndex("wa_age_months");
    const int ageSource = womenAges.fieldIndex("wa_source");
    for (int row = 0; row < womenAges.recordCount(); ++row)
        ages.push_back({dateAt(womenAges, row, birthBegin), dateAt(womenAges, row, birthEnd),
                        integerOrZero(womenAges.viewValue(row, years)),
                        integerOrZero(womenAges.viewValue(row, months)),
                        textAt(womenAges, row, ageSource)});
    return law::LawBook(std::move(rules), std::move(ages));
}

const law::LawBook& TdMain::Law() {
    CalcCache& cache = calcCacheOf(m_calcCache);
    if (!cache.law || cache.lawRulesChangeCount != cdsLawRules.changeCount() ||
        cache.womenAgeChangeCount != cdsWomenAge.changeCount()) {
        cache.law = lawBookFromTables(cdsLawRules, cdsWomenAge);
        cache.ledgerRules.reset();
        cache.lawRulesChangeCount = cdsLawRules.changeCount();
        cache.womenAgeChangeCount = cdsWomenAge.changeCount();
    }
    return *cache.law;
}

const LedgerRules& TdMain::LedgerLawRules() {
    const law::LawBook& law = Law();
    CalcCache& cache = calcCacheOf(m_calcCache);
    if (!cache.ledgerRules)
        cache.ledgerRules = ledgerRulesOf(law);
    return *cache.ledgerRules;
}

} // namespace rv

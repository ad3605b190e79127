#include "reference_tables.h"

#include "engine/table.h"

#include <variant>

namespace rv {

namespace {

std::optional<Date> dateAt(const Table& table, int row, int position) {
    return dateOrNone(table.viewValue(row, position));
}

std::string textAt(const Table& table, int row, int position) {
    const Value value = table.viewValue(row, position);
    if (const auto* text = std::get_if<std::string>(&value))
        return *text;
    return {};
}

// Every row of a table, whatever filter a grid set on it.
void showAllRows(Table& table) {
    if (table.filtered())
        table.setFiltered(false);
}

} // namespace

std::vector<DatedFigure> datedRowsOfTable(Table& table, const std::string& prefix) {
    showAllRows(table);
    const int begin = table.fieldIndex(prefix + "_date_begin");
    const int end = table.fieldIndex(prefix + "_date_end");
    const int value = table.fieldIndex(prefix + "_value");
    std::vector<DatedFigure> rows;
    rows.reserve(static_cast<std::size_t>(table.recordCount()));
    for (int row = 0; row < table.recordCount(); ++row)
        rows.push_back({dateAt(table, row, begin), dateAt(table, row, end),
                        floatOrZero(table.viewValue(row, value))});
    return rows;
}

std::vector<CoefficientRow> coefficientRowsOfTable(Table& table) {
    showAllRows(table);
    const int begin = table.fieldIndex("k_date_begin");
    const int end = table.fieldIndex("k_date_end");
    const int value = table.fieldIndex("k_value");
    const int type = table.fieldIndex("k_type");
    std::vector<CoefficientRow> rows;
    for (int row = 0; row < table.recordCount(); ++row)
        rows.push_back({dateAt(table, row, begin), dateAt(table, row, end),
                        floatOrZero(table.viewValue(row, value)), textAt(table, row, type)});
    return rows;
}

std::vector<law::Rule> lawRulesOfTable(const Table& lawRules) {
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
    return rules;
}

std::vector<law::WomenAge> womenAgesOfTable(const Table& womenAges) {
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
    return ages;
}

} // namespace rv

// The reference texts of the program's packed data, read into rows.

#include "engine/reference_text.h"
#include "calc/reference.h"
#include "engine/text_utf8.h"
#include "engine/value.h"

#include <string>
#include <string_view>
#include <vector>

namespace rv {

namespace {

// A field's value: empty stays empty; false when the text does not convert.
bool readDate(std::string_view text, std::optional<Date>& out) {
    if (text.empty())
        return true;
    out = parseDate(text);
    return out.has_value();
}

bool readNumber(std::string_view text, double& out) {
    if (text.empty())
        return true;
    const auto number = parseFloat(text);
    if (number)
        out = *number;
    return number.has_value();
}

bool readInteger(std::string_view text, int& out) {
    if (text.empty())
        return true;
    const auto number = parseInteger(text);
    if (number)
        out = *number;
    return number.has_value();
}

// A text field keeps at most `size` characters, as the table's field does.
std::string readText(std::string_view text, std::size_t size) {
    return truncateUtf8(text, size);
}

std::vector<DatedFigure> datedRows(std::string_view text, const std::string& prefix) {
    std::vector<DatedFigure> rows;
    readReferenceRows(text, {prefix + "_date_begin", prefix + "_date_end", prefix + "_value"},
                      [&rows](const ReferenceRowValues& values) {
                          DatedFigure row;
                          if (!readDate(values[0], row.begin) || !readDate(values[1], row.end) ||
                              !readNumber(values[2], row.value))
                              return false;
                          rows.push_back(row);
                          return true;
                      });
    return rows;
}

std::vector<CoefficientRow> coefficientRows(std::string_view text) {
    std::vector<CoefficientRow> rows;
    readReferenceRows(text, {"k_date_begin", "k_date_end", "k_value", "k_type"},
                      [&rows](const ReferenceRowValues& values) {
                          CoefficientRow row;
                          if (!readDate(values[0], row.begin) || !readDate(values[1], row.end) ||
                              !readNumber(values[2], row.value))
                              return false;
                          row.type = readText(values[3], 20);
                          rows.push_back(row);
                          return true;
                      });
    return rows;
}

std::vector<law::Rule> lawRuleRows(std::string_view text) {
    std::vector<law::Rule> rows;
    readReferenceRows(text,
                      {"lr_rule_id", "lr_date_begin", "lr_date_end", "lr_value", "lr_unit",
                       "lr_act", "lr_article", "lr_quote", "lr_confidence", "lr_source"},
                      [&rows](const ReferenceRowValues& values) {
                          law::Rule rule;
                          if (!readDate(values[1], rule.begin) || !readDate(values[2], rule.end))
                              return false;
                          rule.id = readText(values[0], 64);
                          rule.value = readText(values[3], 100);
                          rule.unit = readText(values[4], 200);
                          rule.act = readText(values[5], 400);
                          rule.article = readText(values[6], 200);
                          rule.quote = readText(values[7], 1000);
                          rule.confidence = readText(values[8], 20);
                          rule.source = readText(values[9], 1000);
                          rows.push_back(std::move(rule));
                          return true;
                      });
    return rows;
}

std::vector<law::WomenAge> womenAgeRows(std::string_view text) {
    std::vector<law::WomenAge> rows;
    readReferenceRows(
        text,
        {"wa_birth_date_begin", "wa_birth_date_end", "wa_age_years", "wa_age_months", "wa_source"},
        [&rows](const ReferenceRowValues& values) {
            law::WomenAge age;
            if (!readDate(values[0], age.birthBegin) || !readDate(values[1], age.birthEnd) ||
                !readInteger(values[2], age.years) || !readInteger(values[3], age.months))
                return false;
            age.source = readText(values[4], 1000);
            rows.push_back(std::move(age));
            return true;
        });
    return rows;
}

} // namespace

ReferenceRows referenceRowsOf(const ReferenceData& data) {
    ReferenceRows rows;
    rows.averageWageOfMonth = datedRows(data.texts[0], "azm");
    rows.averageWageOfYear = datedRows(data.texts[1], "azy");
    rows.minimumWage = datedRows(data.texts[2], "mz");
    rows.coefficients = coefficientRows(data.texts[3]);
    rows.subsistenceMinimum = datedRows(data.texts[4], "mp");
    rows.maximumIncome = datedRows(data.texts[5], "mi");
    rows.lawRules = lawRuleRows(data.lawTexts[0]);
    rows.womenAges = womenAgeRows(data.lawTexts[1]);
    rows.limits = {data.Opt1WindowMonths, data.Opt2MaxExcludedMonths, data.Opt2MinKeptMonths};
    return rows;
}

} // namespace rv

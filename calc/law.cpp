#include "law.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace rv::law {

bool Rule::holdsOn(Date day) const {
    return begin && *begin <= day && (!end || day <= *end);
}

LawBook::LawBook(std::vector<Rule> rules, std::vector<WomenAge> womenAges)
    : m_rules(std::move(rules)), m_womenAges(std::move(womenAges)) {}

const Rule* LawBook::inForce(std::string_view id, Date day) const {
    const Rule* found = nullptr;
    for (const Rule& rule : m_rules)
        if (rule.id == id && rule.holdsOn(day) && (!found || *found->begin < *rule.begin))
            found = &rule;
    return found;
}

std::optional<double> LawBook::number(std::string_view id, Date day) const {
    std::optional<double> value;
    const Rule* found = nullptr;
    for (const Rule& rule : m_rules) {
        if (rule.id != id || !rule.holdsOn(day) || (found && *rule.begin <= *found->begin))
            continue;
        if (const auto parsed = parseNumber(rule.value)) {
            found = &rule;
            value = parsed;
        }
    }
    return value;
}

std::optional<Date> LawBook::dateValue(std::string_view id, Date day) const {
    const Rule* rule = inForce(id, day);
    return rule ? parseDate(rule->value) : std::nullopt;
}

std::vector<const Rule*> LawBook::rowsOf(std::string_view id) const {
    std::vector<const Rule*> rows;
    for (const Rule& rule : m_rules)
        if (rule.id == id && rule.begin)
            rows.push_back(&rule);
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Rule* a, const Rule* b) { return *a->begin < *b->begin; });
    return rows;
}

const WomenAge* LawBook::womenAgeFor(Date birthDate) const {
    for (const WomenAge& row : m_womenAges)
        if ((!row.birthBegin || *row.birthBegin <= birthDate) &&
            (!row.birthEnd || birthDate <= *row.birthEnd))
            return &row;
    return nullptr;
}

std::optional<double> parseNumber(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace rv::law

#include "case_input.h"

#include "calc/messages.h"
#include "cli/cli_messages.h"

#include <nlohmann/json.hpp>

namespace rv::cli {

namespace {

using nlohmann::json;

const json& member(const json& object, const char* name, const std::string& where) {
    if (!object.is_object())
        throw InputError(where + messages::kJsonNotObject);
    const auto found = object.find(name);
    if (found == object.end())
        throw InputError(where + "." + name + messages::kJsonFieldMissing);
    return *found;
}

std::string textOf(const json& value, const std::string& where) {
    if (!value.is_string())
        throw InputError(where + messages::kJsonNotText);
    return value.get<std::string>();
}

Date dateOf(const json& value, const std::string& where) {
    const std::string text = textOf(value, where);
    const auto date = parseDate(text);
    if (!date || text.size() != 10)
        throw InputError(where + messages::kJsonNotDate + text + "\"");
    return *date;
}

int integerOf(const json& value, const std::string& where, int low, int high) {
    if (!value.is_number_integer())
        throw InputError(where + messages::kJsonNotWholeNumber);
    const auto number = value.get<long long>();
    if (number < low || number > high)
        throw InputError(where + messages::kJsonOutOfRangeFrom + std::to_string(low) +
                         messages::kJsonOutOfRangeTo + std::to_string(high));
    return static_cast<int>(number);
}

double numberOf(const json& value, const std::string& where) {
    if (!value.is_number())
        throw InputError(where + messages::kJsonNotNumber);
    return value.get<double>();
}

// "kind": one of the codes of the kinds; none given is work.
PeriodKind kindOf(const json& period, const std::string& where) {
    const auto found = period.find("kind");
    if (found == period.end() || found->is_null())
        return PeriodKind::Work;
    const std::string code = textOf(*found, where + ".kind");
    if (const auto kind = periodKindOfCode(code))
        return *kind;
    std::string allowed;
    for (const PeriodKindNames& names : kPeriodKinds)
        allowed += (allowed.empty() ? "" : ", ") + std::string(names.code);
    throw InputError(where + ".kind" + messages::kJsonUnknownKind + code +
                     messages::kJsonKindsAllowed + allowed);
}

const json& arrayMember(const json& document, const char* name) {
    const json& value = member(document, name, "case");
    if (!value.is_array())
        throw InputError(std::string("case.") + name + messages::kJsonNotList);
    return value;
}

// scenario := {"name": text, one of "work_months": months ["monthly_wage": number | null],
//              "apply_on": date, "voluntary_months": months}
Scenario scenarioOf(const json& entry, const std::string& where) {
    Scenario scenario;
    scenario.name = textOf(member(entry, "name", where), where + ".name");
    const bool work = entry.contains("work_months");
    const bool apply = entry.contains("apply_on");
    const bool voluntary = entry.contains("voluntary_months");
    if (work + apply + voluntary != 1)
        throw InputError(where + messages::kJsonScenarioKind);
    if (work) {
        WorkLonger change;
        change.months =
            integerOf(entry.at("work_months"), where + ".work_months", 1, kMostScenarioMonths);
        if (const auto wage = entry.find("monthly_wage"); wage != entry.end() && !wage->is_null())
            change.monthlyWage = numberOf(*wage, where + ".monthly_wage");
        scenario.change = change;
    } else if (apply) {
        scenario.change = ApplyOn{dateOf(entry.at("apply_on"), where + ".apply_on")};
    } else {
        scenario.change = VoluntaryContributions{integerOf(
            entry.at("voluntary_months"), where + ".voluntary_months", 1, kMostScenarioMonths)};
    }
    return scenario;
}

// A case nests three levels (the case, a list, an entry); a text nested far deeper is refused as
// it is read: a few megabytes of "[[[[" would otherwise take seconds and many times their size.
constexpr int kDeepestJson = 16;

} // namespace

nlohmann::json parseCaseJson(std::string_view text) {
    if (text.find('\0') != std::string_view::npos)
        throw InputError(messages::kInputHasNul);
    const auto limitDepth = [](int depth, json::parse_event_t, json&) {
        if (depth > kDeepestJson)
            throw InputError(messages::kJsonTooDeepPrefix + std::to_string(kDeepestJson) +
                             messages::kJsonTooDeepSuffix);
        return true;
    };
    return json::parse(text, limitDepth);
}

CaseInput parseCaseInput(const json& document) {
    CaseInput input;
    const json& person = member(document, "person", "case");
    input.person.name = textOf(member(person, "name", "person"), "person.name");
    input.person.birthDate = dateOf(member(person, "birthdate", "person"), "person.birthdate");
    input.person.gender = integerOf(member(person, "gender", "person"), "person.gender", 0, 1);
    input.person.applicationDate =
        dateOf(member(person, "application_date", "person"), "person.application_date");

    const json& periods = arrayMember(document, "periods");
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const std::string where = "periods[" + std::to_string(i) + "]";
        input.periods.push_back({dateOf(member(periods[i], "begin", where), where + ".begin"),
                                 dateOf(member(periods[i], "end", where), where + ".end"),
                                 kindOf(periods[i], where)});
    }
    if (const auto extra = document.find("extra_exclusions"); extra != document.end()) {
        if (!extra->is_boolean())
            throw InputError(std::string("case.extra_exclusions") + messages::kJsonNotYesNo);
        input.extraExclusions = extra->get<bool>();
    }

    const json& earnings = arrayMember(document, "earnings");
    for (std::size_t i = 0; i < earnings.size(); ++i) {
        const std::string where = "earnings[" + std::to_string(i) + "]";
        input.earnings.push_back(
            {integerOf(member(earnings[i], "year", where), where + ".year", 1, 9999),
             integerOf(member(earnings[i], "month", where), where + ".month", 1, 12),
             numberOf(member(earnings[i], "amount", where), where + ".amount")});
    }

    if (document.contains("scenarios")) {
        const json& scenarios = arrayMember(document, "scenarios");
        input.scenarios.emplace();
        for (std::size_t i = 0; i < scenarios.size(); ++i)
            input.scenarios->push_back(
                scenarioOf(scenarios[i], "scenarios[" + std::to_string(i) + "]"));
    }
    return input;
}

} // namespace rv::cli

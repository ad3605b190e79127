#include "pipeline.h"

#include "result_field_keys.h"
#include "scenario_json.h"

#include "calc/calc_marks.h"
#include "calc/calculation.h"
#include "calc/case_entry.h"
#include "calc/extra_exclusions.h"
#include "calc/ledger_build.h"
#include "calc/ledger_month.h"
#include "calc/messages.h"
#include "calc/scenarios.h"
#include "engine/errors.h"
#include "protect/reference_container.h"
#include "store/case_file_values.h"

#include <optional>
#include <string>
#include <vector>

namespace rv::cli {

namespace {

using nlohmann::ordered_json;

// A step that refused the case: where, the confirmation code if any, the texts in order.
struct Refusal {
    const char* stage;
    std::optional<int> code;
    std::vector<std::string> messages;
};

ordered_json refusalJson(const Refusal& refusal) {
    return {{"error",
             {{"stage", refusal.stage},
              {"code", refusal.code ? ordered_json(*refusal.code) : ordered_json(nullptr)},
              {"messages", refusal.messages}}}};
}

// The person as the person panel confirms them.
std::optional<Refusal> confirmPerson(const CasePerson& person, const Reference& reference) {
    const ConfirmCode code = rv::confirmPerson(person, reference.law());
    if (code == ConfirmCode::Confirmed)
        return std::nullopt;
    return Refusal{
        "person", static_cast<int>(code), {personMessage(code, person, reference.law())}};
}

// Each period as the period table stores it, then the checks before the ledger and the ledger.
std::optional<Refusal> enterPeriods(Case& person, const std::vector<CaseInput::Period>& periods,
                                    const Reference& reference) {
    try {
        for (const auto& period : periods) {
            const CasePeriod entered{period.begin, period.end, period.kind};
            checkPeriodDates(entered);
            person.periods.push_back(entered);
        }
        std::vector<std::string> warnings =
            periodWarnings(person.periods, *person.person.birthDate, reference);
        if (!warnings.empty())
            return Refusal{"periods", std::nullopt, std::move(warnings)};
        LedgerBuild build = buildLedger(person.periods, {}, reference, person.evaluation,
                                        person.person.applicationDate);
        if (build.refusal)
            return Refusal{"periods", std::nullopt, {*build.refusal}};
        person.months = std::move(build.months);
    } catch (const UserError& refusal) {
        return Refusal{"periods", std::nullopt, {refusal.what()}};
    }
    return std::nullopt;
}

std::optional<Refusal> enterEarnings(Case& person, const std::vector<CaseInput::Earning>& earnings,
                                     const Reference& reference) {
    try {
        for (const auto& earning : earnings)
            enterEarning(person, ledgerMonthFromCalendar(earning.year, earning.month),
                         earning.amount, reference);
    } catch (const UserError& refusal) {
        return Refusal{"earnings", std::nullopt, {refusal.what()}};
    }
    return std::nullopt;
}

// The text of a label that is shown only sometimes: null while hidden.
ordered_json optionalLabel(bool visible, const std::string& text) {
    return visible ? ordered_json(text) : ordered_json(nullptr);
}

ordered_json optionalNumber(const std::optional<double>& value) {
    return value ? ordered_json(*value) : ordered_json(nullptr);
}

ordered_json resultJson(const CalculationResult& result) {
    const ResultTexts& texts = result.texts;
    ordered_json fields = ordered_json::object();
    ordered_json hints = ordered_json::object();
    for (const ResultFieldInfo& info : kResultFields) {
        const std::string key(resultFieldKey(info.field));
        fields[key] = (texts.*info.field).text;
        if (info.kind == ResultFieldKind::FormulaField || info.kind == ResultFieldKind::Label)
            hints[key] = (texts.*info.field).hint;
    }
    // The captions that a calculation writes, and the notes shown only sometimes.
    fields["lAvgZpForYear"] = texts.averageWageCaption;
    fields["lNoAvgForYear"] = optionalLabel(texts.averageWageNoteShown, texts.averageWageNote);
    fields["lMinPens"] = texts.minimumPensionCaption.value_or(messages::kMinPensDesigned);
    fields["lPensNotFull"] = optionalLabel(texts.incompleteNoteShown, messages::kPensionIncomplete);
    fields["lEstimates"] = optionalLabel(!texts.estimatesNote.empty(), texts.estimatesNote);
    fields["lCredited"] = optionalLabel(!texts.creditedNote.empty(), texts.creditedNote);
    fields["lExclusions"] = optionalLabel(!texts.exclusionsNote.empty(), texts.exclusionsNote);
    const PensionFormula& formula = result.formula;
    ordered_json values = {
        {"M", result.insuranceMonths},
        {"N1", result.monthsAfterOptimisation1},
        {"N", result.countedMonths},
        {"SumK", result.sumOfCoefficients},
        {"AvgZp", result.averageWage},
        {"K", formula.individualCoefficient},
        {"KS", formula.experienceCoefficient},
        {"P", formula.basicPension},
        {"MinP", result.minimumPension},
        {"Extra", formula.supplement},
        {"Total", formula.totalPension},
        {"Kv1", result.valuationCoefficient},
        {"MinP65", optionalNumber(result.minimumPension65)},
        {"MaxP", optionalNumber(result.maximumPension)},
        {"ProportionalMinP", optionalNumber(formula.proportionalMinimum)},
        {"ExtraExcluded", result.extraExcluded},
        {"MRight", result.rightInsuranceMonths},
    };
    const RightDecision& right = result.right;
    ordered_json law = {
        {"age_rule", right.path ? ordered_json(right.path->age.years) : ordered_json(nullptr)},
        {"required_months",
         right.path ? ordered_json(right.path->requiredMonths) : ordered_json(nullptr)},
        {"right_date",
         right.rightDate ? ordered_json(formatDate(*right.rightDate)) : ordered_json(nullptr)},
        {"shortfall_months", right.shortfallMonths},
    };
    return {{"right", !result.noRight},  {"incomplete", result.incomplete},
            {"law", std::move(law)},     {"fields", std::move(fields)},
            {"hints", std::move(hints)}, {"values", std::move(values)}};
}

ordered_json periodsJson(const std::vector<CasePeriod>& periods) {
    ordered_json list = ordered_json::array();
    for (const CasePeriod& period : periods) {
        const PeriodLength length = ExpPeriodLength(*period.begin, *period.finish);
        list.push_back({{"begin", formatDate(*period.begin)},
                        {"end", formatDate(*period.finish)},
                        {"kind", namesOf(period.kind).code},
                        {"exp_day", length.days},
                        {"exp_day_str", length.text}});
    }
    return list;
}

// Why the month is out of the average: null, "optimisation" or the reason of an extra exclusion.
ordered_json excludedJson(const CaseMonth& month) {
    if (!month.excluded)
        return nullptr;
    if (month.extraExclusion == ExtraExclusion::None)
        return "optimisation";
    return std::string(exclusionCode(month.extraExclusion));
}

// The months in the ledger's own order of columns. Each object is built in place: a batch
// writes hundreds of thousands of them.
ordered_json ledgerJson(const std::vector<CaseMonth>& months) {
    ordered_json list = ordered_json::array();
    list.get_ref<ordered_json::array_t&>().reserve(months.size());
    for (const CaseMonth& month : months) {
        ordered_json::object_t entry;
        entry.reserve(14);
        entry.emplace_back("year", month.month.year);
        entry.emplace_back("month", calendarMonth(month.month));
        entry.emplace_back("min_zp", month.minimumWage);
        entry.emplace_back("avg_zp", month.averageWage);
        entry.emplace_back("avg_zp_year", month.averageWageOfYear);
        entry.emplace_back("payment", month.earning);
        entry.emplace_back("k", month.coefficient);
        entry.emplace_back("day", month.creditedDays);
        entry.emplace_back("month_day", month.coveredDays);
        entry.emplace_back("opt1", month.counted ? marks::kCounted : "");
        entry.emplace_back("opt2", month.excluded ? marks::kExcluded : "");
        entry.emplace_back("kind", namesOf(month.kind).code);
        entry.emplace_back("minimum_wage", month.minimumWageStands);
        entry.emplace_back("excluded", excludedJson(month));
        list.get_ref<ordered_json::array_t&>().emplace_back(std::move(entry));
    }
    return list;
}

// Calculates the case for `applicationDate`; the months take the calculation's marks.
std::optional<Refusal> calculate(Case& person, const Reference& reference, Date applicationDate,
                                 CalculationResult& result) {
    try {
        result = rv::calculate(person, reference, applicationDate);
        describeCalculation(result, '.');
    } catch (const UserError& error) {
        return Refusal{"calculation", std::nullopt, {error.what()}};
    }
    person.months = result.months;
    return std::nullopt;
}

std::optional<Refusal> saveCase(const Case& person, const std::string& path) {
    std::vector<std::string> texts = saveCaseFile(person, path);
    if (texts.empty())
        return std::nullopt;
    return Refusal{"save", std::nullopt, std::move(texts)};
}

// The variants of the calculated case, when the input asks for them.
std::optional<Refusal> runScenarios(const Case& person, const CalculationResult& result,
                                    const CaseInput& input, ordered_json& scenarios) {
    if (!input.scenarios)
        return std::nullopt;
    try {
        const ScenarioRunner runner(person, processReference(), result,
                                    input.person.applicationDate);
        addScenarios(scenarios, runner, *input.scenarios);
    } catch (const UserError& error) {
        return Refusal{"scenarios", std::nullopt, {error.what()}};
    }
    return std::nullopt;
}

PipelineOutput caseOutput(const Case& person, const CalculationResult* result) {
    ordered_json document = {{"result", result ? resultJson(*result) : ordered_json(nullptr)},
                             {"periods", periodsJson(person.periods)},
                             {"ledger", ledgerJson(person.months)}};
    return {std::move(document), false};
}

} // namespace

const std::shared_ptr<const Reference>& processReference() {
    static const std::shared_ptr<const Reference> reference =
        Reference::fromStored(EmbeddedReferenceData());
    return reference;
}

PipelineOutput runCase(const CaseInput& input, const std::optional<std::string>& savePath,
                       const CalculatedCase& calculated) {
    const Reference& reference = *processReference();
    Case person;
    person.person = {input.person.name, input.person.birthDate, input.person.gender,
                     input.person.applicationDate};
    person.extraExclusions = input.extraExclusions;

    CalculationResult result;
    std::optional<Refusal> refusal = confirmPerson(person.person, reference);
    if (!refusal)
        refusal = enterPeriods(person, input.periods, reference);
    if (!refusal)
        refusal = enterEarnings(person, input.earnings, reference);
    if (!refusal)
        refusal = calculate(person, reference, input.person.applicationDate, result);
    if (!refusal && calculated)
        calculated(person, reference, result);
    ordered_json scenarios = ordered_json::object();
    if (!refusal)
        refusal = runScenarios(person, result, input, scenarios);
    if (!refusal && savePath)
        refusal = saveCase(person, *savePath);
    if (refusal)
        return {refusalJson(*refusal), true};
    PipelineOutput output = caseOutput(person, &result);
    for (auto& item : scenarios.items())
        output.document[item.key()] = std::move(item.value());
    return output;
}

PipelineOutput runCaseFile(const std::string& path, const std::optional<std::string>& savePath,
                           const CalculatedCase& calculated) {
    LoadedCaseFile file = loadCaseFile(path);
    if (!file.loaded)
        return {refusalJson({file.stage.c_str(), std::nullopt, file.texts}), true};
    Case& person = *file.loaded;
    const Reference& reference = *processReference();

    std::optional<Refusal> refusal;
    CalculationResult result;
    const bool hasLedger = !person.months.empty();
    if (hasLedger) {
        const std::optional<Date> application = person.person.applicationDate;
        if (!application)
            refusal = Refusal{"person", 4, {messages::kPersonMessages[4]}};
        else
            refusal = calculate(person, reference, *application, result);
        if (!refusal && calculated)
            calculated(person, reference, result);
    }
    if (!refusal && savePath)
        refusal = saveCase(person, *savePath);
    if (refusal)
        return {refusalJson(*refusal), true};
    return caseOutput(person, hasLedger ? &result : nullptr);
}

} // namespace rv::cli

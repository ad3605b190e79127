#include "pipeline.h"

#include "store/dm_calculation.h"
#include "scenario_json.h"
#include "store/dmMain.h"
#include "engine/errors.h"
#include "store/ledger_columns.h"
#include "calc/ledger_month.h"
#include "calc/messages.h"
#include "table_json.h"

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

// Stores the row being edited; a refused row is dropped and its refusal returned.
std::optional<Refusal> postOrRefuse(Table& table, const char* stage) {
    try {
        table.post();
    } catch (const UserError& refusal) {
        table.cancel();
        return Refusal{stage, std::nullopt, {refusal.what()}};
    }
    return std::nullopt;
}

std::optional<Refusal> confirmPerson(TdMain& dm, const CaseInput::Person& person) {
    dm.cdsPerson.append();
    dm.cdsPerson.setValue("person_name", person.name);
    dm.cdsPerson.setValue("person_birthdate", person.birthDate);
    dm.cdsPerson.setValue("person_gender", person.gender);
    dm.cdsPerson.setValue("person_af_date", person.applicationDate);
    const ConfirmCode code = dm.ConfirmPerson();
    if (code == ConfirmCode::Confirmed)
        return std::nullopt;
    const auto number = static_cast<int>(code);
    return Refusal{"person", number, {dm.PersonMessage(code)}};
}

std::optional<Refusal> storePeriods(TdMain& dm, const std::vector<CaseInput::Period>& periods) {
    for (const auto& period : periods) {
        dm.cdsExp.append();
        dm.cdsExp.setValue("exp_date_begin", period.begin);
        dm.cdsExp.setValue("exp_date_finish", period.end);
        if (auto refusal = postOrRefuse(dm.cdsExp, "periods"))
            return refusal;
    }
    return std::nullopt;
}

std::optional<Refusal> confirmPeriods(TdMain& dm, GatheringPrompt& prompt, Date birthDate) {
    try {
        const VerifyResult result = dm.VerifyPeriods(birthDate);
        if (result.outcome == VerifyResult::Outcome::LedgerBuilt)
            return std::nullopt;
    } catch (const UserError& refusal) {
        prompt.texts.push_back(refusal.what());
    }
    return Refusal{"periods", std::nullopt, prompt.texts};
}

std::optional<Refusal> storeEarnings(TdMain& dm, const std::vector<CaseInput::Earning>& earnings) {
    for (const auto& earning : earnings) {
        const LedgerMonth month = ledgerMonthFromCalendar(earning.year, earning.month);
        const std::int32_t key = ledgerKey(dm.currentPersonId(), month);
        if (!dm.cdsEarning.locate("earning_id", key))
            return Refusal{"earnings",
                           std::nullopt,
                           {messages::kEarningMonthNotCoveredPrefix + monthInSentence(month) +
                            messages::kEarningMonthNotCoveredSuffix}};
        dm.cdsEarning.edit();
        dm.cdsEarning.setValue("earning_payment", earning.amount);
        if (auto refusal = postOrRefuse(dm.cdsEarning, "earnings"))
            return refusal;
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
    const ResultsPanel& panel = result.panel;
    ordered_json fields = ordered_json::object();
    ordered_json hints = ordered_json::object();
    for (const ResultFieldInfo& info : kResultFields) {
        const std::string name(info.name);
        fields[name] = (panel.*info.field).text;
        if (info.kind == ResultFieldKind::FormulaField || info.kind == ResultFieldKind::Label)
            hints[name] = (panel.*info.field).hint;
    }
    // The captions that a calculation writes, and the notes shown only sometimes.
    fields["lAvgZpForYear"] = panel.lAvgZpForYear;
    fields["lNoAvgForYear"] = optionalLabel(panel.lNoAvgForYearVisible, panel.lNoAvgForYear);
    fields["lMinPens"] = panel.lMinPens.value_or(messages::kMinPensDesigned);
    fields["lPensNotFull"] = optionalLabel(panel.lPensNotFullVisible, messages::kPensionIncomplete);
    fields["lEstimates"] = optionalLabel(!panel.lEstimates.empty(), panel.lEstimates);
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

ordered_json periodsJson(Table& periods) {
    ordered_json list = ordered_json::array();
    for (periods.first(); !periods.eof(); periods.next())
        list.push_back({{"begin", valueJson(periods.value("exp_date_begin"))},
                        {"end", valueJson(periods.value("exp_date_finish"))},
                        {"exp_day", valueJson(periods.value("exp_day"))},
                        {"exp_day_str", valueJson(periods.value("exp_day_str"))}});
    return list;
}

ordered_json ledgerJson(Table& ledger) {
    ordered_json list = ordered_json::array();
    for (ledger.first(); !ledger.eof(); ledger.next()) {
        ordered_json month = ordered_json::object();
        for (const LedgerColumn& column : kLedgerColumns) {
            if (column.jsonName.empty())
                continue;
            const std::string key(column.jsonName);
            if (column.kind == LedgerColumnKind::CalendarMonth)
                month[key] = calendarMonth(
                    {ledger.asInteger("earning_year"), ledger.asInteger(column.field)});
            else
                month[key] = valueJson(ledger.value(column.field));
        }
        list.push_back(std::move(month));
    }
    return list;
}

std::optional<Refusal> calculate(TdMain& dm, Date applicationDate, CalculationResult& result) {
    try {
        result = Calculate(dm, applicationDate, '.');
    } catch (const UserError& error) {
        return Refusal{"calculation", std::nullopt, {error.what()}};
    }
    return std::nullopt;
}

std::optional<Refusal> saveCase(TdMain& dm, GatheringPrompt& prompt, const std::string& path) {
    prompt.texts.clear();
    if (dm.SaveCase(path))
        return std::nullopt;
    return Refusal{"save", std::nullopt, prompt.texts};
}

// Stores every loaded period again, as the window's load does, so each is checked again.
std::optional<Refusal> restorePeriods(TdMain& dm) {
    try {
        dm.RepostPeriods();
    } catch (const UserError& refusal) {
        return Refusal{"periods", std::nullopt, {refusal.what()}};
    }
    return std::nullopt;
}

// The variants of the calculated case, when the input asks for them.
std::optional<Refusal> runScenarios(TdMain& dm, const CalculationResult& result,
                                    const CaseInput& input, ordered_json& scenarios) {
    if (!input.scenarios)
        return std::nullopt;
    try {
        ScenarioRunner runner(dm, result, input.person.applicationDate);
        addScenarios(scenarios, runner, *input.scenarios);
    } catch (const UserError& error) {
        return Refusal{"scenarios", std::nullopt, {error.what()}};
    }
    return std::nullopt;
}

PipelineOutput caseOutput(TdMain& dm, const CalculationResult* result) {
    ordered_json document = {{"result", result ? resultJson(*result) : ordered_json(nullptr)},
                             {"periods", periodsJson(dm.cdsExp)},
                             {"ledger", ledgerJson(dm.cdsEarning)}};
    return {std::move(document), false};
}

} // namespace

PipelineOutput runCase(const CaseInput& input, const std::optional<std::string>& savePath,
                       const CalculatedCase& calculated) {
    GatheringPrompt prompt;
    TdMain dm;
    dm.setPrompt(&prompt);

    CalculationResult result;
    std::optional<Refusal> refusal = confirmPerson(dm, input.person);
    if (!refusal)
        refusal = storePeriods(dm, input.periods);
    if (!refusal)
        refusal = confirmPeriods(dm, prompt, input.person.birthDate);
    if (!refusal)
        refusal = storeEarnings(dm, input.earnings);
    if (!refusal)
        refusal = calculate(dm, input.person.applicationDate, result);
    if (!refusal && calculated)
        calculated(dm.CurrentCase(), *dm.CalcReference(), result);
    ordered_json scenarios = ordered_json::object();
    if (!refusal)
        refusal = runScenarios(dm, result, input, scenarios);
    if (!refusal && savePath)
        refusal = saveCase(dm, prompt, *savePath);
    if (refusal)
        return {refusalJson(*refusal), true};
    PipelineOutput output = caseOutput(dm, &result);
    for (auto& item : scenarios.items())
        output.document[item.key()] = std::move(item.value());
    return output;
}

PipelineOutput runCaseFile(const std::string& path, const std::optional<std::string>& savePath,
                           const CalculatedCase& calculated) {
    GatheringPrompt prompt;
    TdMain dm;
    dm.setPrompt(&prompt);
    if (!dm.LoadCase(path))
        return {refusalJson({"load", std::nullopt, prompt.texts}), true};

    std::optional<Refusal> refusal = restorePeriods(dm);
    CalculationResult result;
    const bool hasLedger = dm.cdsEarning.recordCount() > 0;
    if (!refusal && hasLedger) {
        dm.cdsPerson.first();
        const std::optional<Date> application = dm.cdsPerson.asDate("person_af_date");
        if (!application)
            refusal = Refusal{"person", 4, {messages::kPersonMessages[4]}};
        else
            refusal = calculate(dm, *application, result);
        if (!refusal && calculated)
            calculated(dm.CurrentCase(), *dm.CalcReference(), result);
    }
    if (!refusal && savePath)
        refusal = saveCase(dm, prompt, *savePath);
    if (refusal)
        return {refusalJson(*refusal), true};
    return caseOutput(dm, hasLedger ? &result : nullptr);
}

} // namespace rv::cli

#include "reference_json.h"

#include "store/dmMain.h"
#include "table_json.h"

namespace rv::cli {

namespace {

nlohmann::ordered_json rowsJson(Table& table) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (table.first(); !table.eof(); table.next()) {
        nlohmann::ordered_json row = nlohmann::ordered_json::object();
        for (int i = 0; i < table.fieldCount(); ++i)
            row[table.field(i).name] = valueJson(table.value(i));
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

nlohmann::ordered_json referenceDataJson() {
    TdMain dm;
    dm.LoadLawTables();
    const ReferenceData& reference = dm.reference();
    nlohmann::ordered_json parameters = {
        {"MinInsuranceYears", reference.MinInsuranceYears},
        {"FullInsuranceYearsMale", reference.FullInsuranceYearsMale},
        {"FullInsuranceYearsFemale", reference.FullInsuranceYearsFemale},
        {"PensionAgeMale", reference.PensionAgeMale},
        {"PensionAgeFemale", reference.PensionAgeFemale},
        {"Opt1WindowMonths", reference.Opt1WindowMonths},
        {"Opt2MaxExcludedMonths", reference.Opt2MaxExcludedMonths},
        {"Opt2MinKeptMonths", reference.Opt2MinKeptMonths},
    };
    nlohmann::ordered_json tables = nlohmann::ordered_json::object();
    for (Table* table :
         {&dm.cdsAvgZpMonth, &dm.cdsAvgZpYear, &dm.cdsMinZP, &dm.cdsKoeff, &dm.cdsMinPens,
          &dm.cdsParam, &dm.cdsMaxIncome, &dm.cdsLawRules, &dm.cdsWomenAge})
        tables[table->name()] = rowsJson(*table);
    return {{"parameters", std::move(parameters)}, {"tables", std::move(tables)}};
}

} // namespace rv::cli

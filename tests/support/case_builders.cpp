#include "case_builders.h"

#include <stdexcept>

namespace rv::testing_support {

std::int32_t confirmedPerson(TdMain& dm, Date birthDate, int gender, Date applicationDate) {
    const std::int32_t id = dm.NewPersonId();
    dm.cdsPerson.append();
    dm.cdsPerson.setValue("person_id", id);
    dm.cdsPerson.setValue("person_name", std::string("Особа"));
    dm.cdsPerson.setValue("person_birthdate", birthDate);
    dm.cdsPerson.setValue("person_gender", gender);
    dm.cdsPerson.setValue("person_exp_verified", 0);
    dm.cdsPerson.setValue("person_af_date", applicationDate);
    dm.cdsPerson.post();
    dm.ApplyPersonFilter();
    return id;
}

void addPeriod(TdMain& dm, Date begin, Date finish) {
    dm.cdsExp.append();
    dm.cdsExp.setValue("exp_date_begin", begin);
    dm.cdsExp.setValue("exp_date_finish", finish);
    dm.cdsExp.post();
}

std::int32_t ledgerKey(std::int32_t personId, int year, int month0) {
    return rv::ledgerKey(personId, LedgerMonth{year, month0});
}

void setEarning(TdMain& dm, int year, int month0, double amount) {
    const std::int32_t key = ledgerKey(dm.currentPersonId(), year, month0);
    if (!dm.cdsEarning.locate("earning_id", key))
        throw std::logic_error("no ledger row " + std::to_string(key));
    dm.cdsEarning.edit();
    dm.cdsEarning.setValue("earning_payment", amount);
    dm.cdsEarning.post();
}

std::vector<DatedRow> datedRowsOf(const std::vector<DatedFigure>& figures) {
    std::vector<DatedRow> rows;
    for (const DatedFigure& figure : figures)
        rows.push_back({figure.begin, figure.end, figure.value});
    return rows;
}

std::vector<DatedRow> datedRowsOf(const std::vector<CoefficientRow>& coefficients) {
    std::vector<DatedRow> rows;
    for (const CoefficientRow& coefficient : coefficients)
        rows.push_back({coefficient.begin, coefficient.end, coefficient.value, coefficient.type});
    return rows;
}

void setDatedRows(Table& table, const std::vector<DatedRow>& rows) {
    table.setFiltered(false);
    table.empty();
    for (const DatedRow& row : rows) {
        table.append();
        table.setValue(0, row.begin ? Value{*row.begin} : Value{});
        table.setValue(1, row.end ? Value{*row.end} : Value{});
        table.setValue(2, row.value);
        if (!row.type.empty())
            table.setValue(3, row.type);
        table.post();
    }
}

} // namespace rv::testing_support

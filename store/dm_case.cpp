// The open case as the core's value, and the core's figures written back to the ledger.

#include "calc/calc_marks.h"
#include "calc/extra_exclusions.h"
#include "store/dmMain.h"
#include "store/period_view.h"

namespace rv {

std::vector<CasePeriod> TdMain::currentPeriods() {
    cdsExp.setFiltered(false);
    cdsExp.setFilter("exp_person_id=" + std::to_string(m_currentPersonId));
    cdsExp.setFiltered(true);
    return periodsInView(cdsExp);
}

std::vector<int> TdMain::CurrentLedgerRows() {
    if (cdsEarning.filtered())
        cdsEarning.setFiltered(false);
    const int personId = cdsEarning.fieldIndex("earning_person_id");
    std::vector<int> rows;
    for (int row = 0; row < cdsEarning.recordCount(); ++row)
        if (integerOrZero(cdsEarning.viewValue(row, personId)) == m_currentPersonId)
            rows.push_back(row);
    return rows;
}

CasePerson TdMain::CurrentPerson() const {
    CasePerson person;
    person.name = cdsPerson.asText("person_name");
    person.birthDate = cdsPerson.asDate("person_birthdate");
    person.gender = cdsPerson.asInteger("person_gender");
    person.applicationDate = cdsPerson.asDate("person_af_date");
    return person;
}

bool TdMain::ExtraExclusionsWanted() const {
    return cdsPerson.isNull("person_extra_excl") || cdsPerson.asInteger("person_extra_excl") != 0;
}

Case TdMain::CurrentCase() {
    Case open;
    open.person = CurrentPerson();
    open.periods = currentPeriods();
    open.evaluation = m_superState ? MonthEvaluation::AsStored : MonthEvaluation::ByLaw;
    open.months = CurrentMonths();
    open.extraExclusions = ExtraExclusionsWanted();
    return open;
}

std::vector<CaseMonth> TdMain::CurrentMonths() {
    std::vector<CaseMonth> months;
    const Table& ledger = cdsEarning;
    const int year = ledger.fieldIndex("earning_year");
    const int month = ledger.fieldIndex("earning_month");
    const int averageWage = ledger.fieldIndex("earning_avg_zp");
    const int averageWageOfYear = ledger.fieldIndex("earning_avg_zp_year");
    const int minimumWage = ledger.fieldIndex("earning_min_zp");
    const int earning = ledger.fieldIndex("earning_payment");
    const int coefficient = ledger.fieldIndex("earning_k");
    const int creditedDays = ledger.fieldIndex("earning_day");
    const int coveredDays = ledger.fieldIndex("earning_month_day");
    const int opt1 = ledger.fieldIndex("earning_opt1");
    const int opt2 = ledger.fieldIndex("earning_opt2");
    const int kind = ledger.fieldIndex("earning_kind");
    const int extra = ledger.fieldIndex("earning_excl");
    const Value counted{std::string(marks::kCounted)};
    const Value excluded{std::string(marks::kExcluded)};
    for (const int row : CurrentLedgerRows()) {
        CaseMonth entry;
        entry.month = {integerOrZero(ledger.viewValue(row, year)),
                       integerOrZero(ledger.viewValue(row, month))};
        entry.averageWage = floatOrZero(ledger.viewValue(row, averageWage));
        entry.averageWageOfYear = floatOrZero(ledger.viewValue(row, averageWageOfYear));
        entry.minimumWage = floatOrZero(ledger.viewValue(row, minimumWage));
        entry.earning = floatOrZero(ledger.viewValue(row, earning));
        entry.coefficient = floatOrZero(ledger.viewValue(row, coefficient));
        entry.creditedDays = integerOrZero(ledger.viewValue(row, creditedDays));
        entry.coveredDays = integerOrZero(ledger.viewValue(row, coveredDays));
        entry.counted = ledger.viewValue(row, opt1) == counted;
        entry.excluded = ledger.viewValue(row, opt2) == excluded;
        entry.kind = kindOrWork(ledger.viewValue(row, kind));
        entry.extraExclusion = exclusionOfCode(textOrEmpty(ledger.viewValue(row, extra)));
        months.push_back(entry);
    }
    return months;
}

void TdMain::WriteBackMonths(const std::vector<CaseMonth>& months) {
    const std::vector<int> rows = CurrentLedgerRows();
    const int coefficient = cdsEarning.fieldIndex("earning_k");
    const int creditedDays = cdsEarning.fieldIndex("earning_day");
    const int opt1 = cdsEarning.fieldIndex("earning_opt1");
    const int opt2 = cdsEarning.fieldIndex("earning_opt2");
    const int extra = cdsEarning.fieldIndex("earning_excl");
    const int payment = cdsEarning.fieldIndex("earning_payment");
    for (std::size_t i = 0; i < months.size() && i < rows.size(); ++i) {
        const CaseMonth& month = months[i];
        cdsEarning.setRecNo(rows[i] + 1);
        cdsEarning.edit();
        cdsEarning.setValue(coefficient, month.coefficient);
        cdsEarning.setValue(creditedDays, static_cast<std::int32_t>(month.creditedDays));
        cdsEarning.setValue(opt1, std::string(month.counted ? marks::kCounted : ""));
        cdsEarning.setValue(opt2, std::string(month.excluded ? marks::kExcluded : ""));
        cdsEarning.setValue(extra, std::string(exclusionCode(month.extraExclusion)));
        if (month.minimumWageStands) // ст. 40 ч. 2: the ledger shows the wage that counts
            cdsEarning.setValue(payment, month.earning);
        cdsEarning.post(); // the evaluation of the row gives the same figures again
    }
}

} // namespace rv

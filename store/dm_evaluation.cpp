// The ledger's pre-post hook: every stored month is evaluated by the core's rules.

#include "calc/month_evaluation.h"
#include "store/dmMain.h"

namespace rv {

void TdMain::cdsEarningBeforePost(Table& table) {
    if (m_superState)
        return; // the row is stored as edited
    const int earning = table.fieldIndex("earning_payment");
    CaseMonth month;
    month.month = {integerOrZero(table.value("earning_year")),
                   integerOrZero(table.value("earning_month"))};
    month.earning = floatOrZero(table.value(earning));
    month.averageWage = floatOrZero(table.value("earning_avg_zp"));
    month.minimumWage = floatOrZero(table.value("earning_min_zp"));
    month.coveredDays = integerOrZero(table.value("earning_month_day"));
    month.kind = kindOrWork(table.value("earning_kind"));
    if (month.earning == 0) // also an empty earning
        table.setValue(earning, 0.0);
    evaluateMonth(month, *CalcReference(), cdsPerson.asDate("person_af_date"));
    if (month.minimumWageStands) // ст. 40 ч. 2: the month's minimum wage, whatever was typed
        table.setValue(earning, month.earning);
    table.setValue("earning_k", month.coefficient);
    table.setValue("earning_day", static_cast<std::int32_t>(month.creditedDays));
}

double TdMain::CapEarning(int year, int month0, double earning) {
    return capEarning(*CalcReference(), {year, month0}, earning);
}

double TdMain::WageCoefficient(int year, int month0, double earning, double average) {
    return wageCoefficient(*CalcReference(), {year, month0}, earning, average);
}

std::uint16_t TdMain::CreditedDays(int year, int month0, double earning, double minimum,
                                   int coveredDays) {
    return creditedDays(*CalcReference(), {year, month0}, earning, minimum, coveredDays);
}

} // namespace rv

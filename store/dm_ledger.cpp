// The ledger of the current person, made by the core from the periods.

#include "calc/calc_marks.h"
#include "calc/extra_exclusions.h"
#include "calc/ledger_build.h"
#include "engine/errors.h"
#include "engine/table_scopes.h"
#include "store/case_file_values.h"
#include "store/dmMain.h"

#include <map>
#include <string>

namespace rv {

void appendLedgerMonth(Table& ledger, std::int32_t personId, const CaseMonth& month) {
    ledger.append();
    ledger.setValue("earning_person_id", personId);
    ledger.setValue("earning_id", ledgerKey(personId, month.month));
    ledger.setValue("earning_year", month.month.year);
    ledger.setValue("earning_month", month.month.month0);
    ledger.setValue("earning_avg_zp", month.averageWage);
    ledger.setValue("earning_avg_zp_year", month.averageWageOfYear);
    ledger.setValue("earning_min_zp", month.minimumWage);
    ledger.setValue("earning_min_zp_year", 0.0);
    ledger.setValue("earning_payment", month.earning);
    ledger.setValue("earning_payment_year", 0.0);
    ledger.setValue("earning_k", month.coefficient);
    ledger.setValue("earning_month_day", static_cast<std::int32_t>(month.coveredDays));
    ledger.setValue("earning_day", static_cast<std::int32_t>(month.creditedDays));
    ledger.setValue("earning_opt1", std::string(month.counted ? marks::kCounted : ""));
    ledger.setValue("earning_opt2", std::string(month.excluded ? marks::kExcluded : ""));
    ledger.setValue("earning_kind", std::string(namesOf(month.kind).code));
    ledger.setValue("earning_excl", std::string(exclusionCode(month.extraExclusion)));
    ledger.post(); // the evaluation gives the same figures again
}

bool TdMain::BuildLedger() {
    const std::string personFilter = "earning_person_id=" + std::to_string(m_currentPersonId);
    const BoundViewsSuspension ledgerViewsSuspended(cdsEarning);
    const int idField = cdsEarning.fieldIndex("earning_id");
    const int paymentField = cdsEarning.fieldIndex("earning_payment");

    // Keep the typed earnings of the person's months.
    cdsEarningCopy.empty();
    cdsEarning.setFilter(personFilter + " and earning_payment <> 0");
    cdsEarning.setFiltered(true);
    std::map<LedgerMonth, double> keptEarnings;
    for (cdsEarning.first(); !cdsEarning.eof(); cdsEarning.next()) {
        const Value id = cdsEarning.value(idField);
        const Value payment = cdsEarning.value(paymentField);
        cdsEarningCopy.append();
        cdsEarningCopy.setValue("earning_id", id);
        cdsEarningCopy.setValue("earning_payment", payment);
        cdsEarningCopy.post();
        if (const auto* key = std::get_if<std::int32_t>(&id)) // a repeated key: the first
            keptEarnings.emplace(ledgerMonthOfKey(m_currentPersonId, *key),
                                 std::get<double>(payment));
    }

    // Clear the person's ledger; other persons' rows stay.
    cdsEarning.setFilter(personFilter);
    while (cdsEarning.recordCount() > 0) {
        cdsEarning.last();
        cdsEarning.remove();
    }

    const LedgerBuild build =
        buildLedger(currentPeriods(), keptEarnings, *CalcReference(),
                    m_superState ? MonthEvaluation::AsStored : MonthEvaluation::ByLaw,
                    cdsPerson.asDate("person_af_date"));
    for (const CaseMonth& month : build.months)
        appendLedgerMonth(cdsEarning, m_currentPersonId, month);
    if (build.refusal)
        throw UserError(*build.refusal);
    return true;
}

} // namespace rv

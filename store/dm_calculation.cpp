#include "store/dm_calculation.h"

#include "calc/messages.h"
#include "engine/errors.h"
#include "engine/table_scopes.h"
#include "store/dmMain.h"

namespace rv {

CalculationResult Calculate(TdMain& dm, Date applicationDate, char decimalSeparator) {
    // On the way out: drop an unfinished edit, back to the remembered row, resume the views.
    BoundViewsSuspension stillLedger(dm.cdsEarning);
    KeptCursor keptRow(dm.cdsEarning);
    UnstoredEditDropped droppedEdit(dm.cdsEarning);
    if (dm.cdsEarning.isEditing())
        dm.cdsEarning.post(); // a month being typed is stored (or refused) first

    const Case open = dm.CurrentCase();
    const std::shared_ptr<const Reference> reference = dm.CalcReference();
    CalculationResult result = calculate(open, *reference, applicationDate);
    describeCalculation(result, decimalSeparator);

    dm.WriteBackMonths(result.months);
    // The ledger is left as the optimisations always left it: the person's filter set, not on.
    dm.cdsEarning.setFilter("earning_person_id = " + std::to_string(dm.currentPersonId()));
    dm.cdsEarning.setShown("earning_opt1", true);
    dm.cdsEarning.setShown("earning_opt2", true);
    return result;
}

ScenarioRunner openCaseScenarios(TdMain& dm, const CalculationResult& today,
                                 Date applicationDate) {
    for (Table* table : dm.caseTables())
        if (table->isEditing())
            throw UserError(messages::kScenarioEditPending);
    if (dm.cdsEarning.recordCount() == 0)
        throw UserError(messages::kScenarioNotCalculated);
    return ScenarioRunner(dm.CurrentCase(), dm.CalcReference(), today, applicationDate);
}

std::vector<LedgerMonthView> ledgerMonthViews(TdMain& dm) {
    Table& ledger = dm.cdsEarning;
    // Reading view rows tells no view anything; only a filtered ledger (a year chosen) must be
    // opened up, unseen, and filtered again.
    std::optional<BoundViewsSuspension> suspension;
    std::optional<FilterRestored> restored;
    if (ledger.filtered()) {
        suspension.emplace(ledger);
        restored.emplace(ledger);
    }
    return ledgerMonthViews(dm.CurrentMonths(), *dm.CalcReference());
}

} // namespace rv

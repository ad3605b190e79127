#include "store/dm_calculation.h"

#include "calc/messages.h"
#include "engine/errors.h"
#include "engine/table_scopes.h"
#include "store/dmMain.h"
#include "store/store_messages.h"

namespace rv {

namespace {

// Reading view rows tells no view anything; only a filtered ledger (a year chosen) must be
// opened up, unseen, and filtered again, its cursor back on its row (in this order on the way
// out: the filter, the cursor, the views).
class LedgerOpenedUnseen {
public:
    explicit LedgerOpenedUnseen(Table& ledger) {
        if (!ledger.filtered())
            return;
        m_suspension.emplace(ledger);
        m_kept.emplace(ledger);
        m_restored.emplace(ledger);
    }

private:
    std::optional<BoundViewsSuspension> m_suspension;
    std::optional<KeptCursor> m_kept;
    std::optional<FilterRestored> m_restored;
};

} // namespace

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
    Case open;
    {
        const LedgerOpenedUnseen unseen(dm.cdsEarning);
        open = dm.CurrentCase();
    }
    return ScenarioRunner(std::move(open), dm.CalcReference(), today, applicationDate);
}

std::vector<CaseMonth> currentMonthsUnseen(TdMain& dm) {
    const LedgerOpenedUnseen unseen(dm.cdsEarning);
    return dm.CurrentMonths();
}

std::vector<LedgerMonthView> ledgerMonthViews(TdMain& dm) {
    return ledgerMonthViews(currentMonthsUnseen(dm), *dm.CalcReference());
}

Protocol buildProtocol(TdMain& dm, const CalculationResult& result, const ProtocolMaking& making) {
    const LedgerOpenedUnseen unseen(dm.cdsEarning);
    return buildProtocol(dm.CurrentCase(), *dm.CalcReference(), result, making);
}

} // namespace rv

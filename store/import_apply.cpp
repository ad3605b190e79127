#include "store/import_apply.h"

#include "calc/messages.h"
#include "engine/errors.h"
#include "store/dmMain.h"
#include "store/dm_calculation.h"

namespace rv {

void applyImportedEarnings(TdMain& dm, const std::vector<AcceptedEarning>& earnings) {
    Table& table = dm.cdsEarning;
    const BoundViewsSuspension viewsSuspended(table);
    const EarningsToStore checked = earningsToStore(currentMonthsUnseen(dm), earnings);
    if (checked.refusal)
        throw UserError(*checked.refusal);

    const auto store = [&](LedgerMonth month, double amount) {
        table.locate("earning_id", ledgerKey(dm.currentPersonId(), month));
        table.edit();
        table.setValue("earning_payment", amount);
        table.post();
    };
    std::size_t stored = 0;
    try {
        for (const EarningChange& change : checked.changes) {
            store(change.month, change.amount);
            ++stored;
        }
    } catch (const UserError& refusal) {
        table.cancel();
        // The earlier amounts were accepted before, so storing them again succeeds.
        while (stored > 0) {
            const EarningChange& change = checked.changes[--stored];
            store(change.month, change.replaced);
        }
        throw UserError(messages::kImportApplyRefused + std::string(refusal.what()));
    }
}

} // namespace rv

#include "calc/imported_earnings.h"

#include "calc/messages.h"

#include <cmath>
#include <map>

namespace rv {

EarningsToStore earningsToStore(const std::vector<CaseMonth>& months,
                                const std::vector<AcceptedEarning>& earnings) {
    if (earnings.empty())
        return {{}, messages::kImportNothingAccepted};
    std::map<LedgerMonth, double> ledger; // a repeated month: the first
    for (const CaseMonth& month : months)
        ledger.emplace(month.month, month.earning);
    for (const AcceptedEarning& earning : earnings) {
        if (!ledger.contains(earning.month))
            return {{}, messages::kImportApplyOutsideLedger + importMonthLabel(earning.month)};
        if (!std::isfinite(earning.amount) || earning.amount < 0)
            return {{}, std::string(messages::kImportApplyRefused) + messages::kNegativeEarning};
    }
    EarningsToStore store;
    for (const AcceptedEarning& earning : earnings)
        store.changes.push_back({earning.month, earning.amount, ledger.at(earning.month)});
    return store;
}

std::string importMonthLabel(LedgerMonth month) {
    return monthInSentence(month) + " р.";
}

} // namespace rv

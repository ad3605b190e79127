#pragma once

#include "earnings_tab.h"
#include "uMain.h"

namespace rv {

// Clears LedgerRefreshEnabled for a scope; on every way out sets it again and refreshes the
// year summary once, since the ledger's views were resumed while the refresh was off.
class LedgerRefreshPause {
public:
    explicit LedgerRefreshPause(TfrmMain& window) : m_window(window) {
        m_window.LedgerRefreshEnabled = false;
    }
    ~LedgerRefreshPause() {
        m_window.LedgerRefreshEnabled = true;
        m_window.earningsTab->RefreshYearSummary(false);
    }
    LedgerRefreshPause(const LedgerRefreshPause&) = delete;
    LedgerRefreshPause& operator=(const LedgerRefreshPause&) = delete;

private:
    TfrmMain& m_window;
};

} // namespace rv

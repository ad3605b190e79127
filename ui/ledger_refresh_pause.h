#pragma once

#include "earnings_tab.h"
#include "uMain.h"

namespace rv {

// Clears LedgerRefreshEnabled for a scope; on every way out sets it again and, unless told to
// keep it, refreshes the year summary once, since the ledger's views were resumed while the
// refresh was off. A command that refreshes the summary with force itself keeps it.
class LedgerRefreshPause {
public:
    enum class SummaryAtExit { Refresh, Keep };

    explicit LedgerRefreshPause(TfrmMain& window, SummaryAtExit atExit = SummaryAtExit::Refresh)
        : m_window(window), m_atExit(atExit) {
        m_window.LedgerRefreshEnabled = false;
    }
    ~LedgerRefreshPause() {
        m_window.LedgerRefreshEnabled = true;
        if (m_atExit == SummaryAtExit::Refresh)
            m_window.earningsTab->RefreshYearSummary(false);
    }
    LedgerRefreshPause(const LedgerRefreshPause&) = delete;
    LedgerRefreshPause& operator=(const LedgerRefreshPause&) = delete;

private:
    TfrmMain& m_window;
    SummaryAtExit m_atExit;
};

} // namespace rv

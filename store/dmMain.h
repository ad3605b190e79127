#pragma once

#include "protect/reference_container.h"
#include "store/engine/table.h"

#include <cstdint>

namespace rv {

// What the data module tells the window; the window implements it (tests record the calls).
class DataModuleListener {
public:
    virtual ~DataModuleListener() = default;
    // A period was stored: refresh the experience total, then mark the case as changed.
    virtual void periodStored() = 0;
    // A ledger row was stored: mark the case as changed and forget the year summary.
    virtual void ledgerRowStored() = 0;
    // The ledger's current row or view changed: refresh the year summary while enabled.
    virtual void ledgerDataChanged() = 0;
};

// The data module: owns every table of the program, the person identity counters and the
// super-state flag. Creating it unpacks the reference data and fills the fixed lists and the
// reference tables; it throws UserError when the reference data cannot be unpacked.
class TdMain {
public:
    explicit TdMain(const StoredReferenceData& stored = EmbeddedReferenceData(),
                    DataModuleListener* listener = nullptr);
    TdMain(const TdMain&) = delete;
    TdMain& operator=(const TdMain&) = delete;

    void setListener(DataModuleListener* listener) { m_listener = listener; }

    const ReferenceData& reference() const { return m_reference; }

    // The next person identity; the first of a run is 1.
    std::int32_t NewPersonId();
    // Restricts periods and ledger to the person row under the cursor (0 without one).
    void ApplyPersonFilter();
    // After a case load: walks the person rows, taking each identity as the current one and
    // raising the counter past it. Throws TableError for a person row without identity.
    void AdoptLoadedPersonIds();

    std::int32_t currentPersonId() const { return m_currentPersonId; }
    std::int32_t lastPersonId() const { return m_lastPersonId; }
    bool superState() const { return m_superState; }
    void setSuperState(bool on) { m_superState = on; }

    // Fixed lists
    Table cdsGender;
    Table cdsMonth;
    // The case
    Table cdsPerson;
    Table cdsExp;
    Table cdsEarning;
    // Working tables
    Table cdsEarningCopy;
    Table cdsEarningOpt1;
    Table cdsEarningOpt2;
    // Reference tables
    Table cdsAvgZpMonth;
    Table cdsAvgZpYear;
    Table cdsMinZP;
    Table cdsKoeff;
    Table cdsMinPens;
    Table cdsParam;
    Table cdsMaxIncome;

    DataSource dsPerson;
    DataSource dsExp;
    DataSource dsEarning;
    DataSource dsEarningOpt1;
    DataSource dsEarningOpt2;
    DataSource dsGender;
    DataSource dsMonth;
    DataSource dsAvgZpMonth;
    DataSource dsAvgZpYear;
    DataSource dsMinZP;
    DataSource dsKoeff;
    DataSource dsMinPens;
    DataSource dsParam;
    DataSource dsMaxIncome;

private:
    void attachHooks();
    void create();

    DataModuleListener* m_listener = nullptr;
    ReferenceData m_reference;
    std::int32_t m_currentPersonId = -1;
    std::int32_t m_lastPersonId = 0;
    bool m_superState = false;
};

} // namespace rv

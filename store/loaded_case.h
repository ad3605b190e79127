#pragma once

#include "engine/table.h"

#include <string>
#include <vector>

namespace rv {

class TdMain;
class UnpackedCaseFile;

// The three case tables of a case file, decoded apart from the open case so that everything can
// be checked before the open case is touched.
class LoadedCase {
public:
    // Decodes the snapshots into tables shaped as the data module's; throws SnapshotError when
    // a snapshot does not fit its table or holds more rows than a case can have.
    LoadedCase(const TdMain& dm, const UnpackedCaseFile& file);

    // Every field within what the program itself writes: one person with an identity whose
    // ledger keys fit 32 bits, a birth date and gender 0 or 1; periods of that person with both
    // dates in order; ledger months of that person, each once, with the key of its month, days
    // within the month, and reference values as the reference tables hold them (or 0 for a
    // month the tables miss). The texts of the periods' checks are not part of this.
    bool fieldsValid(TdMain& dm) const;

    // The warnings of the periods' checks (the youngest age of work, overlap) as the experience
    // command shows them; empty when the periods pass. Only after fieldsValid. Both checks are
    // the calculation's (calc/loaded_case_check.cpp): they follow the law's rules.
    std::vector<std::string> periodWarnings(TdMain& dm) const;

    Table persons;
    Table periods;
    Table ledger;
};

} // namespace rv

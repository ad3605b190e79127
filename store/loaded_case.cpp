#include "store/loaded_case.h"

#include "protect/case_file.h"
#include "store/case_limits.h"
#include "store/dmMain.h"

namespace rv {

namespace {

std::vector<FieldDef> fieldsOf(const Table& table) {
    std::vector<FieldDef> fields;
    for (int i = 0; i < table.fieldCount(); ++i)
        fields.push_back(table.field(i));
    return fields;
}

void decode(Table& table, std::string_view snapshot, std::size_t mostRows) {
    table.create();
    table.loadSnapshot(snapshot, mostRows);
}

} // namespace

LoadedCase::LoadedCase(const TdMain& dm, const UnpackedCaseFile& file)
    : persons(dm.cdsPerson.name(), fieldsOf(dm.cdsPerson)),
      periods(dm.cdsExp.name(), fieldsOf(dm.cdsExp)),
      ledger(dm.cdsEarning.name(), fieldsOf(dm.cdsEarning)) {
    decode(persons, file.person(), kMostCasePersons);
    decode(periods, file.periods(), kMostPeriods);
    decode(ledger, file.ledger(), kMostLedgerMonths);
}

} // namespace rv

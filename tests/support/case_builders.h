#pragma once

#include "store/dmMain.h"
#include "value_cases.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rv::testing_support {

// Warnings and errors recorded instead of shown.
class RecordingPrompt : public CorePrompt {
public:
    void warning(const std::string& text) override { warnings.push_back(text); }
    void error(const std::string& text) override { errors.push_back(text); }
    std::vector<std::string> warnings;
    std::vector<std::string> errors;
};

// Appends and posts a person row with an identity from NewPersonId, person_exp_verified 0,
// and filters the case tables to it (ApplyPersonFilter). Returns the identity.
std::int32_t confirmedPerson(TdMain& dm, Date birthDate, int gender, Date applicationDate);

// Appends and posts a period of the current person.
void addPeriod(TdMain& dm, Date begin, Date finish);

// The ledger key of a month: personId * 1000000 + year * 100 + month0.
std::int32_t ledgerKey(std::int32_t personId, int year, int month0);

// Locates the current person's ledger row of the month and posts the earning into it; throws
// std::logic_error when the ledger has no such row.
void setEarning(TdMain& dm, int year, int month0, double amount);

// One row of a dated reference table; `type` fills k_type of cdsKoeff.
struct DatedRow {
    std::optional<Date> begin;
    std::optional<Date> end;
    double value = 0;
    std::string type = {};
};

// The rows of the value core's reference as rows of a dated reference table.
std::vector<DatedRow> datedRowsOf(const std::vector<DatedFigure>& figures);
std::vector<DatedRow> datedRowsOf(const std::vector<CoefficientRow>& coefficients);

// Replaces the rows of a dated reference table (begin, end, value[, type] by position).
void setDatedRows(Table& table, const std::vector<DatedRow>& rows);

} // namespace rv::testing_support

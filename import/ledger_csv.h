#pragma once

#include "engine/table.h"

#include <filesystem>
#include <string>

namespace rv::import {

// The ledger's earnings as a CSV that a spreadsheet opens: UTF-8, the header
// "year;month;amount", then one line per row of the ledger's view, the month 1..12 and the
// amount with a decimal comma, shortest form that reads back to the same number; lines end
// with CR LF. The cursor is left where it was. readStatement reads the text back.
std::string ledgerCsvBytes(const Table& ledger);

// Writes the CSV to `path` atomically. Throws std::filesystem::filesystem_error on failure.
void saveLedgerCsv(const Table& ledger, const std::filesystem::path& path);

} // namespace rv::import

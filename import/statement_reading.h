#pragma once

#include "calc/ledger_month.h"
#include "engine/date.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rv {
class Reference;
}

namespace rv::import {

// One row's share of a month: an employer (insurer) of a multi-employer month.
struct MonthPart {
    std::string employer; // the insurer's code as printed, or empty when the source names none
    double amount = 0;
};

// A month that the source gives an earning for; several employers of a month add up. A month of
// experience without wages (child care, care paid by a social protection body) has amount 0.
struct ImportedMonth {
    LedgerMonth month;
    double amount = 0;                      // in the currency the source prints
    std::optional<double> experienceMonths; // insurance experience, 0..1, when printed
    int employers = 0;                      // rows that gave this month an amount
    std::vector<MonthPart> parts;           // each row's amount, in the order read
};

// What the person must confirm before the import is applied.
enum class ImportFlagCode {
    TotalMismatch,    // a printed total differs from the sum of its amounts
    SeveralEmployers, // more than one row gave the month an amount
    BelowMinimumWage, // less than the month's minimum wage
    FarAboveAverage,  // above the month's maximum for contributions, or ten average wages
    OutsideLedger,    // no employment period of the case covers the month
    DifferentEarning, // the case already holds another earning for the month
    OldCurrency,      // karbovanets: the amount times 0.00001 fits the month
    ZeroEarning,      // experience without wages: a credited period the case may need
    Unconfirmed,      // the split of the row's amounts or their months is not confirmed by a total
};

// The code as ravelta-import writes it: "total_mismatch", "several_employers", ...
const char* flagCodeName(ImportFlagCode code);

struct ImportFlag {
    int year = 0;
    int month = 0; // 1..12, or 0 for the whole year
    ImportFlagCode code = ImportFlagCode::TotalMismatch;
    std::string text; // Ukrainian, for the person
};

// The person named in the statement's header, offered for the person panel.
struct StatementPerson {
    std::string name;
    std::string rnokpp;            // ten digits as printed, or empty
    bool rnokppValid = false;      // the check digit fits
    std::optional<Date> birthDate; // printed, or from the number when its check digit fits
    std::optional<int> gender;     // 0 a man, 1 a woman, likewise
};

struct StatementReading {
    std::optional<StatementPerson> person;
    std::vector<ImportedMonth> months; // in calendar order, each month once
    std::vector<ImportFlag> flags;     // what the reading itself found: totals, employers
    std::vector<std::string> unread;   // lines with amounts that no month could take, in order
    // The years the statement covers (its year blocks and month rows, read or not); 0 when none.
    int firstYear = 0;
    int lastYear = 0;
    // Why nothing was found, when `months` is empty: the whole Ukrainian sentence.
    std::string nothingFound;
};

// Reads the earnings from a statement's text, a wage certificate, a spreadsheet's CSV or TSV,
// or a pasted list. Recognised: year blocks (a year line, then per-employer rows of twelve
// months and a total, a contributions row, an experience row); one line per month "MM.YYYY"
// with the employer's code and name, the wages, the contribution and the experience; month rows
// by year columns or year rows by month columns; plain "year month amount" or
// "MM.YYYY amount" lists in any of the usual separators. Never throws on any input. With the
// reference data, a certificate's row of integers that a copy joined by single spaces is split
// where its amounts lie nearest the months' average wages, and flagged for checking.
StatementReading readStatement(std::string_view bytes, const Reference* reference = nullptr);

} // namespace rv::import

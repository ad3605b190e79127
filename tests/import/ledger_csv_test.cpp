#include "case_builders.h"
#include "import/import_preview.h"
#include "import/ledger_csv.h"
#include "store/dmMain.h"
#include "store/import_apply.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace rv::import {
namespace {

using testing_support::addPeriod;
using testing_support::confirmedPerson;
using testing_support::day;
using testing_support::setEarning;

TEST(LedgerCsvTest, WritesYearMonthAmountAndReadsBackTheSameEarnings) {
    TdMain dm;
    confirmedPerson(dm, day("01.01.1960"), 0, day("01.01.2021"));
    addPeriod(dm, day("15.11.2009"), day("28.02.2010"));
    ASSERT_TRUE(dm.BuildLedger());
    setEarning(dm, 2009, 10, 1234.56);
    setEarning(dm, 2009, 11, 0.1 + 0.2); // a number without a short decimal form
    setEarning(dm, 2010, 1, 98765.4);

    const std::string bytes = ledgerCsvBytes(dm.cdsEarning);
    EXPECT_EQ(bytes, "year;month;amount\r\n"
                     "2009;11;1234,56\r\n"
                     "2009;12;0,30000000000000004\r\n"
                     "2010;1;0\r\n"
                     "2010;2;98765,4\r\n");

    // Into another person's ledger of the same months, through the import.
    TdMain other;
    confirmedPerson(other, day("01.01.1960"), 0, day("01.01.2021"));
    addPeriod(other, day("01.11.2009"), day("28.02.2010"));
    ASSERT_TRUE(other.BuildLedger());
    const StatementReading reading = readStatement(bytes);
    EXPECT_TRUE(reading.unread.empty());
    applyImportedEarnings(other, allMonths(reading));
    EXPECT_EQ(ledgerCsvBytes(other.cdsEarning), bytes);
}

TEST(LedgerCsvTest, SavesAtomically) {
    TdMain dm;
    confirmedPerson(dm, day("01.01.1960"), 0, day("01.01.2021"));
    addPeriod(dm, day("01.01.2009"), day("31.01.2009"));
    ASSERT_TRUE(dm.BuildLedger());
    const auto path = std::filesystem::temp_directory_path() / "ravelta_ledger_csv_test.csv";
    saveLedgerCsv(dm.cdsEarning, path);
    std::ifstream file(path, std::ios::binary);
    const std::string written{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(written, "year;month;amount\r\n2009;1;0\r\n");
    std::filesystem::remove(path);
    EXPECT_THROW(saveLedgerCsv(dm.cdsEarning, "/nonexistent-folder/ledger.csv"),
                 std::filesystem::filesystem_error);
}

} // namespace
} // namespace rv::import

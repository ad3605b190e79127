#include "case_builders.h"
#include "file_bytes.h"
#include "store/dmMain.h"
#include "store/earnings_dump.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>

namespace rv {
namespace {

namespace fs = std::filesystem;

using testing_support::readBytes;

struct Month {
    int year;
    int month0;
    double minimum;
    double average;
    std::optional<double> payment;
    double coefficient;
    int days;
    const char* opt1;
    const char* opt2;
};

// Ledger rows posted as given (super-state), in an order other than the key order.
void addMonths(TdMain& dm, std::initializer_list<Month> months) {
    dm.setSuperState(true);
    for (const Month& m : months) {
        Table& ledger = dm.cdsEarning;
        ledger.append();
        ledger.setValue("earning_id", 1000000 + m.year * 100 + m.month0);
        ledger.setValue("earning_person_id", 1);
        ledger.setValue("earning_year", m.year);
        ledger.setValue("earning_month", m.month0);
        ledger.setValue("earning_min_zp", m.minimum);
        ledger.setValue("earning_avg_zp", m.average);
        if (m.payment)
            ledger.setValue("earning_payment", *m.payment);
        ledger.setValue("earning_k", m.coefficient);
        ledger.setValue("earning_day", m.days);
        if (m.opt1)
            ledger.setValue("earning_opt1", std::string(m.opt1));
        if (m.opt2)
            ledger.setValue("earning_opt2", std::string(m.opt2));
        ledger.post();
    }
    dm.setSuperState(false);
}

class EarningsDump : public testing::Test {
protected:
    TdMain dm;
};

TEST_F(EarningsDump, LinesMatchTheGoldenText) {
    addMonths(dm, {
                      {2004, 0, 237, 589.62, 1000.5, 1.69689, 31, "+", nullptr},
                      {2004, 1, 237, 600.03, std::nullopt, 0, 0, nullptr, "-"},
                      {1999, 11, 74, 205.1, 0.1 + 0.2, 0.0000012, 0, nullptr, nullptr},
                  });
    const std::string golden = readBytes(fs::path(RV_TEST_DATA_DIR) / "earnings_dump.csv");
    ASSERT_FALSE(golden.empty());

    EXPECT_EQ(earningsDumpBytes(dm.cdsEarning, ','), golden);
    EXPECT_EQ(dm.cdsEarning.recNo(), 3) << "the ledger is left on its last row";
}

TEST_F(EarningsDump, EmptyLedgerGivesTheHeaderLine) {
    EXPECT_EQ(earningsDumpBytes(dm.cdsEarning, '.'),
              "\xD0\xB3\xEA;\xCC\xB3\xF1\xFF\xF6\xFC;\xEC\xB3\xED\xB3\xEC\xE0\xEB\xFC\xED\xE0 "
              "\xC7\xCF;\xD1\xE5\xF0\xE5\xE4\xED\xFF \xC7\xCF;\xC7\xE0\xF0\xEE\xE1\xB3\xF2\xEE"
              "\xEA;\xCA\xEE\xE5\xF4\xB3\xF6\xB3\xBA\xED\xF2;\xC7\xE0\xF0\xE0\xF5\xEE\xE2\xE0"
              "\xED\xEE \xE4\xED\xB3\xE2;\xCE\xEF\xF2"
              "1;\xCE\xEF\xF2"
              "2;\r\n");
}

TEST_F(EarningsDump, SavingWritesTheFileOrLeavesNone) {
    addMonths(dm, {{2004, 0, 237, 589.62, 1000.5, 1.69689, 31, "+", nullptr}});
    const fs::path folder =
        fs::temp_directory_path() / ("ravelta_dump_" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);

    saveEarningsDump(dm.cdsEarning, folder / "earning.csv", '.');
    EXPECT_EQ(readBytes(folder / "earning.csv"), earningsDumpBytes(dm.cdsEarning, '.'));

    const fs::path missing = folder / "temp" / "earning.csv"; // the folder is not created
    EXPECT_THROW(saveEarningsDump(dm.cdsEarning, missing, '.'), fs::filesystem_error);
    EXPECT_FALSE(fs::exists(missing.parent_path()));
    fs::remove_all(folder);
}

// The dump never goes through a fixed name in a folder others can write: a planted symlink
// there would redirect it onto any file of the user.
TEST_F(EarningsDump, GoesToANewNameInAFolderOnlyTheUserCanEnter) {
    const fs::path state =
        fs::temp_directory_path() / ("ravelta_state_" + std::to_string(::getpid()));
    fs::remove_all(state);
    const char* before = std::getenv("XDG_STATE_HOME");
    const std::optional<std::string> saved =
        before ? std::optional<std::string>(before) : std::nullopt;
    ::setenv("XDG_STATE_HOME", state.c_str(), 1);

    const fs::path first = defaultEarningsDumpPath();
    EXPECT_EQ(first.parent_path(), state / "ravelta");
    EXPECT_TRUE(first.filename().string().starts_with("earning-")) << first;
    EXPECT_EQ(fs::status(state / "ravelta").permissions(), fs::perms::owner_all)
        << "others may enter the dump folder";
    saveEarningsDump(dm.cdsEarning, first, '.');
    EXPECT_NE(defaultEarningsDumpPath(), first) << "a second dump would replace the first";

    fs::permissions(state / "ravelta", fs::perms::all);
    EXPECT_THROW(defaultEarningsDumpPath(), fs::filesystem_error) << "a folder others may write";

    if (saved)
        ::setenv("XDG_STATE_HOME", saved->c_str(), 1);
    else
        ::unsetenv("XDG_STATE_HOME");
    fs::remove_all(state);
}

} // namespace
} // namespace rv

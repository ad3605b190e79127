// A case file's digest and cipher keep out damage, not forgery: anyone with the program can
// write a file that passes them. These files are forged that way, with values the program never
// writes, and each must be refused with the load message before the open case is touched.
#include "case_builders.h"
#include "protect/case_file.h"
#include "store/case_limits.h"
#include "store/dmMain.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <string>
#include <unistd.h>
#include <vector>

namespace rv {
namespace {

namespace fs = std::filesystem;
using testing_support::day;
using testing_support::RecordingPrompt;

const std::string kLoadFailed = "Помилка при завантаженні файлу, можливо файл пошкоджено";
const std::string kWorkBeforeAge14 =
    "Трудова діяльність не може починатися до виповнення особою 14 років";
const std::string kPeriodsOverlap = "Вказані діапазони трудової діяльності не повинні перетинатися";

constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

// A case as the window makes it: a confirmed person, two periods, the ledger built from them,
// earnings typed into three months.
void buildRealCase(TdMain& dm) {
    testing_support::confirmedPerson(dm, day("14.03.1962"), 1, day("15.03.2022"));
    testing_support::addPeriod(dm, day("01.09.1999"), day("31.03.2000"));
    testing_support::addPeriod(dm, day("01.06.2000"), day("15.02.2001"));
    ASSERT_EQ(dm.VerifyPeriods(day("14.03.1962")).outcome, VerifyResult::Outcome::LedgerBuilt);
    testing_support::setEarning(dm, 1999, 8, 700);
    testing_support::setEarning(dm, 2000, 6, 1500.5);
    testing_support::setEarning(dm, 2001, 0, 980);
}

// Changes a loaded case as no command of the program would: no hook runs on its posts.
using Forgery = std::function<void(TdMain&)>;

void setOnRow(Table& table, int row, const char* field, const Value& value,
              const char* secondField = nullptr, const Value& secondValue = {}) {
    table.setRecNo(row);
    table.edit();
    table.setValue(field, value);
    if (secondField)
        table.setValue(secondField, secondValue);
    table.post();
}

Forgery ledger(const char* field, Value value, int row = 1) {
    return [=](TdMain& dm) { setOnRow(dm.cdsEarning, row, field, value); };
}

Forgery period(const char* field, Value value, int row = 1) {
    return [=](TdMain& dm) { setOnRow(dm.cdsExp, row, field, value); };
}

Forgery person(const char* field, Value value) {
    return [=](TdMain& dm) { setOnRow(dm.cdsPerson, 1, field, value); };
}

// A snapshot of `table`'s layout holding `rows` rows with every value empty: the cheapest rows
// a file can claim.
std::string emptyRowsSnapshot(Table& table, std::size_t rows) {
    std::vector<FieldDef> fields;
    int stored = 0;
    for (int i = 0; i < table.fieldCount(); ++i) {
        fields.push_back(table.field(i));
        stored += table.field(i).isLookup() ? 0 : 1;
    }
    Table empty(table.name(), fields);
    empty.create();
    std::string snapshot = empty.saveSnapshot(); // ends with the row count 0
    for (std::size_t i = 0; i < 4; ++i)
        snapshot[snapshot.size() - 4 + i] = static_cast<char>((rows >> (8 * i)) & 0xFF);
    snapshot.append(rows * static_cast<std::size_t>(stored), '\0');
    return snapshot;
}

class LoadedCaseFile : public testing::Test {
protected:
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        m_folder = fs::temp_directory_path() / ("ravelta_loaded_" + std::string(test->name()) +
                                                "_" + std::to_string(::getpid()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        buildRealCase(m_real);
        ASSERT_TRUE(m_real.SaveCase(path("real.csf")));
        target.setPrompt(&prompt);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string path(const std::string& name) const { return (m_folder / name).string(); }

    // The real case loaded into a module of its own, forged, and saved unchecked.
    std::string forged(const Forgery& forge) {
        TdMain dm;
        EXPECT_TRUE(dm.LoadCase(path("real.csf")));
        dm.setSuperState(true);
        dm.cdsExp.BeforePost = nullptr;
        dm.cdsPerson.BeforePost = nullptr;
        forge(dm);
        const std::string file = path("forged.csf");
        const std::string bytes = PackCaseFile(
            dm.cdsPerson.saveSnapshot(), dm.cdsExp.saveSnapshot(), dm.cdsEarning.saveSnapshot());
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
        return file;
    }

    // Loads the file into `target`, which holds the real case: it must refuse and keep it.
    void expectRefused(const std::string& file, const std::vector<std::string>& warnings = {}) {
        ASSERT_TRUE(target.LoadCase(path("real.csf")));
        const std::string before = target.cdsEarning.saveSnapshot() + target.cdsExp.saveSnapshot();
        prompt.errors.clear();
        prompt.warnings.clear();
        EXPECT_FALSE(target.LoadCase(file));
        EXPECT_EQ(prompt.errors, std::vector<std::string>{kLoadFailed});
        EXPECT_EQ(prompt.warnings, warnings);
        EXPECT_TRUE(target.cdsEarning.saveSnapshot() + target.cdsExp.saveSnapshot() == before)
            << "the open case changed";
    }

    TdMain m_real;
    TdMain target;
    RecordingPrompt prompt;
    fs::path m_folder;
};

TEST_F(LoadedCaseFile, TheRealCaseAndAnUnchangedCopyLoad) {
    EXPECT_TRUE(target.LoadCase(path("real.csf")));
    EXPECT_TRUE(target.LoadCase(forged([](TdMain&) {})));
    EXPECT_TRUE(prompt.errors.empty());
    EXPECT_EQ(target.cdsEarning.recordCount(), 7 + 9);
}

TEST_F(LoadedCaseFile, ValuesTheProgramNeverWritesAreRefused) {
    struct Case {
        const char* name;
        Forgery forge;
    };
    const Case cases[] = {
        // The reference values of a month: 0 (the table had none) or as the tables hold them.
        {"average wage 5e-324: an infinite coefficient", ledger("earning_avg_zp", 5e-324)},
        {"average wage 1e-300: a pension of 2e307", ledger("earning_avg_zp", 1e-300)},
        {"average wage above every reference value", ledger("earning_avg_zp", 1e9)},
        {"negative average wage", ledger("earning_avg_zp", -1000.0)},
        {"yearly average wage 1e-300", ledger("earning_avg_zp_year", 1e-300)},
        {"minimum wage 5e-324", ledger("earning_min_zp", 5e-324)},
        {"minimum wage of a year set", ledger("earning_min_zp_year", 5.0)},
        {"earning of a year set", ledger("earning_payment_year", 5.0)},
        // Days of a month.
        {"covered days INT_MIN: a signed sum overflows", ledger("earning_month_day", kIntMin)},
        {"covered days INT_MAX", ledger("earning_month_day", kIntMax)},
        {"covered days 31 in September", ledger("earning_month_day", 31)},
        {"no covered days", ledger("earning_month_day", 0)},
        {"covered days missing", ledger("earning_month_day", Value{})},
        {"credited days negative", ledger("earning_day", -1)},
        {"credited days INT_MAX", ledger("earning_day", kIntMax)},
        // The month and its key.
        {"month INT_MAX", ledger("earning_month", kIntMax)},
        {"month 12", ledger("earning_month", 12)},
        {"year 10000", ledger("earning_year", 10000)},
        {"key of another month", ledger("earning_id", 1 * 1000000 + 1999 * 100 + 9)},
        {"another person's month", ledger("earning_person_id", 2)},
        {"a month before the age of 14",
         [](TdMain& dm) {
             setOnRow(dm.cdsEarning, 1, "earning_year", 1975, "earning_id",
                      1 * 1000000 + 1975 * 100 + 8);
         }},
        {"one month twice",
         [](TdMain& dm) {
             setOnRow(dm.cdsEarning, 2, "earning_id", 1 * 1000000 + 1999 * 100 + 8, "earning_month",
                      8);
         }},
        // What a person types or a calculation marks.
        {"negative earning", ledger("earning_payment", -1.0)},
        {"negative coefficient", ledger("earning_k", -0.5)},
        {"coefficient 1e300", ledger("earning_k", 1e300)},
        {"mark of the first optimisation", ledger("earning_opt1", std::string("x"))},
        {"mark of the second optimisation", ledger("earning_opt2", std::string("+"))},
        // Periods and the person.
        {"period of another person", period("exp_person_id", 7)},
        {"period without its end", period("exp_date_finish", Value{})},
        {"period ending before it starts", period("exp_date_finish", day("01.01.1999"))},
        {"period measured INT_MIN days", period("exp_day", kIntMin)},
        {"period identity set", period("exp_id", 5)},
        {"gender 7", person("person_gender", 7)},
        {"person without birth date", person("person_birthdate", Value{})},
        {"person identity INT_MAX", person("person_id", kIntMax)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectRefused(forged(c.forge));
    }
}

// The periods are checked again as the experience command checks them, with its warnings.
TEST_F(LoadedCaseFile, PeriodsTheExperienceCommandRefusesAreRefused) {
    struct Case {
        const char* name;
        Forgery forge;
        std::vector<std::string> warnings;
    };
    const Case cases[] = {
        {"overlapping periods", period("exp_date_begin", day("01.03.2000"), 2), {kPeriodsOverlap}},
        {"a period before the age of 14",
         period("exp_date_begin", day("01.01.1970"), 1),
         {kWorkBeforeAge14}},
        {"a period before birth",
         [](TdMain& dm) {
             setOnRow(dm.cdsExp, 1, "exp_date_begin", day("01.01.1950"), "exp_date_finish",
                      day("31.12.1950"));
         },
         {kWorkBeforeAge14}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        expectRefused(
            forged([&](TdMain& dm) {
                c.forge(dm);
                dm.cdsExp.first(); // exp_day must match the forged dates to pass the field check
                for (; !dm.cdsExp.eof(); dm.cdsExp.next()) {
                    dm.cdsExp.edit();
                    dm.cdsExp.setValue("exp_day", Value{});
                    dm.cdsExp.post();
                }
            }),
            c.warnings);
    }
}

// Rows are counted before they are read: a case has one person and a lifetime of months and
// periods.
TEST_F(LoadedCaseFile, MoreRowsThanACaseCanHoldAreRefusedBeforeTheyAreRead) {
    TdMain shapes;
    const std::string person = m_real.cdsPerson.saveSnapshot();
    const std::string periods = m_real.cdsExp.saveSnapshot();
    const std::string ledger = m_real.cdsEarning.saveSnapshot();
    struct Case {
        const char* name;
        std::string person, periods, ledger;
    };
    const Case cases[] = {
        {"two persons", emptyRowsSnapshot(shapes.cdsPerson, 2), periods, ledger},
        {"a ledger month more than a lifetime", person, periods,
         emptyRowsSnapshot(shapes.cdsEarning, kMostLedgerMonths + 1)},
        {"500 000 ledger rows", person, periods, emptyRowsSnapshot(shapes.cdsEarning, 500000)},
        {"a period more than a lifetime of days", person,
         emptyRowsSnapshot(shapes.cdsExp, kMostPeriods + 1), ledger},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = path("many.csf");
        std::ofstream(file, std::ios::binary | std::ios::trunc)
            << PackCaseFile(c.person, c.periods, c.ledger);
        expectRefused(file);
    }
}

// What a file could not give back is not written either.
TEST_F(LoadedCaseFile, ACaseLargerThanAFileMayHoldIsNotSaved) {
    RecordingPrompt savePrompt;
    m_real.setPrompt(&savePrompt);
    m_real.setSuperState(true);
    for (std::size_t month = 0; month < kMostLedgerMonths; ++month) {
        m_real.cdsEarning.append();
        m_real.cdsEarning.setValue("earning_id", static_cast<std::int32_t>(month));
        m_real.cdsEarning.post();
    }
    EXPECT_FALSE(m_real.SaveCase(path("large.csf")));
    EXPECT_EQ(savePrompt.errors,
              std::vector<std::string>{"Помилка при збереженні файлу: справа містить більше "
                                       "записів, ніж може мати одна особа."});
    EXPECT_FALSE(fs::exists(path("large.csf")));
}

} // namespace
} // namespace rv

#include "case_builders.h"
#include "child_process.h"
#include "file_bytes.h"
#include "protect/case_file.h"
#include "store/case_limits.h"
#include "store/dmMain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace rv {
namespace {

namespace fs = std::filesystem;
using testing_support::day;
using testing_support::RecordingPrompt;

// The three texts as the user sees them.
const std::string kSaveFailed = "Помилка при збереженні файлу";
const std::string kOpenFailed = "Помилка при відкритті файлу, можливо файл пошкоджено";
const std::string kLoadFailed = "Помилка при завантаженні файлу, можливо файл пошкоджено";

// ---- a small real case

void addPerson(TdMain& dm, std::optional<std::int32_t> id) {
    dm.cdsPerson.append();
    if (id)
        dm.cdsPerson.setValue("person_id", *id);
    dm.cdsPerson.setValue("person_name", std::string("Олена Коваль"));
    dm.cdsPerson.setValue("person_birthdate", day("14.03.1962"));
    dm.cdsPerson.setValue("person_gender", 1);
    dm.cdsPerson.setValue("person_exp_verified", 0);
    dm.cdsPerson.post(); // person_af_date stays empty
}

void addPeriod(TdMain& dm, const char* begin, const char* finish,
               std::optional<std::int32_t> owner = std::nullopt) {
    dm.cdsExp.append();
    dm.cdsExp.setValue("exp_date_begin", day(begin));
    dm.cdsExp.setValue("exp_date_finish", day(finish));
    if (owner)
        dm.cdsExp.setValue("exp_person_id", *owner);
    dm.cdsExp.post();
}

// A ledger month posted as given (super-state: no evaluation); nullopt leaves a field empty.
void addMonth(TdMain& dm, std::int32_t personId, int year, int month0,
              std::optional<double> payment, const char* opt1 = nullptr) {
    dm.setSuperState(true);
    Table& ledger = dm.cdsEarning;
    ledger.append();
    ledger.setValue("earning_id", personId * 1000000 + year * 100 + month0);
    ledger.setValue("earning_person_id", personId);
    ledger.setValue("earning_year", year);
    ledger.setValue("earning_month", month0);
    ledger.setValue("earning_avg_zp", 1000.25 + month0);
    ledger.setValue("earning_min_zp", 118.0);
    ledger.setValue("earning_min_zp_year", 0.0);
    ledger.setValue("earning_payment_year", 0.0);
    if (payment) {
        ledger.setValue("earning_payment", *payment);
        ledger.setValue("earning_k", *payment / 1000.25);
        ledger.setValue("earning_day", 30);
    }
    ledger.setValue("earning_month_day", 30);
    if (opt1)
        ledger.setValue("earning_opt1", std::string(opt1));
    ledger.post();
    dm.setSuperState(false);
}

// Person, two periods of the person, ledger months added out of key order, with empty values
// and marks.
void buildSmallCase(TdMain& dm, std::int32_t personId) {
    addPerson(dm, personId);
    addPeriod(dm, "01.09.1999", "31.03.2000");
    addPeriod(dm, "01.06.2000", "15.02.2001");
    addMonth(dm, personId, 2000, 6, 1500.5, "+");
    addMonth(dm, personId, 1999, 8, std::nullopt);
    addMonth(dm, personId, 2001, 0, 0.0);
    addMonth(dm, personId, 2000, 0, 980.0, "+");
    addMonth(dm, personId, 1999, 11, 1234.56);
}

// ---- observing a data module

std::string describe(const Value& value) {
    if (isEmpty(value))
        return "null";
    if (const auto* integer = std::get_if<std::int32_t>(&value))
        return "integer " + std::to_string(*integer);
    if (const auto* number = std::get_if<double>(&value)) {
        char text[40];
        std::snprintf(text, sizeof text, "float %.17g", *number);
        return text;
    }
    if (const auto* date = std::get_if<Date>(&value))
        return "date " + formatDate(*date);
    return "text '" + std::get<std::string>(value) + "'";
}

// The stored values of the view's rows, in view order.
std::vector<std::string> viewRows(const Table& table) {
    std::vector<std::string> rows;
    for (int row = 0; row < table.recordCount(); ++row) {
        std::string line;
        for (int position = 0; position < table.fieldCount(); ++position)
            if (!table.field(position).isLookup())
                line += table.field(position).name + "=" +
                        describe(table.viewValue(row, position)) + "; ";
        rows.push_back(line);
    }
    return rows;
}

std::array<Table*, 3> caseTables(TdMain& dm) {
    return {&dm.cdsPerson, &dm.cdsExp, &dm.cdsEarning};
}

// Everything of the open case a load or save may touch.
struct CaseState {
    std::array<std::string, 3> allRows; // every row, every stored field (outside the filter too)
    std::array<std::string, 3> filters;
    std::array<bool, 3> filtered{};
    std::array<std::vector<std::string>, 3> views;
    std::array<int, 3> recNos{};
    std::int32_t currentPersonId = 0;
    std::int32_t lastPersonId = 0;
};

CaseState captureState(TdMain& dm) {
    CaseState state;
    for (std::size_t i = 0; i < 3; ++i) {
        Table& table = *caseTables(dm)[i];
        state.allRows[i] = table.saveSnapshot();
        state.filters[i] = table.filter();
        state.filtered[i] = table.filtered();
        state.views[i] = viewRows(table);
        state.recNos[i] = table.recNo();
    }
    state.currentPersonId = dm.currentPersonId();
    state.lastPersonId = dm.lastPersonId();
    return state;
}

void expectSameState(const CaseState& before, const CaseState& after) {
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(testing::Message() << "case table " << i);
        EXPECT_TRUE(before.allRows[i] == after.allRows[i]) << "the stored rows changed";
        EXPECT_EQ(before.filters[i], after.filters[i]);
        EXPECT_EQ(before.filtered[i], after.filtered[i]);
        EXPECT_EQ(before.views[i], after.views[i]);
        EXPECT_EQ(before.recNos[i], after.recNos[i]);
    }
    EXPECT_EQ(before.currentPersonId, after.currentPersonId);
    EXPECT_EQ(before.lastPersonId, after.lastPersonId);
}

// ---- files

using testing_support::readBytes;

// A new file each time: ext4 flushes a truncated file to disk on close, which is slow.
void writeBytes(const fs::path& path, const std::string& bytes) {
    fs::remove(path);
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << path;
}

std::string decipher(const std::string& file) {
    std::string plain(file.size(), '\0');
    DecipherBuffer(reinterpret_cast<const std::uint8_t*>(file.data()), file.size(),
                   reinterpret_cast<std::uint8_t*>(plain.data()), plain.size(), ProgramCipherKey());
    return plain;
}

std::string encipher(const std::string& plain, const CipherKey& key = ProgramCipherKey()) {
    std::string file(plain.size(), '\0');
    EncipherBuffer(reinterpret_cast<const std::uint8_t*>(plain.data()), plain.size(),
                   reinterpret_cast<std::uint8_t*>(file.data()), file.size(), key);
    return file;
}

std::int32_t int32At(const std::string& bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i]))
                << (8 * i);
    return static_cast<std::int32_t>(bits);
}

void setInt32(std::string& bytes, std::size_t offset, std::int32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] =
            static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
}

class CaseFileIo : public testing::Test {
protected:
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        m_folder = fs::temp_directory_path() / ("ravelta_case_io_" + std::string(test->name()) +
                                                "_" + std::to_string(::getpid()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        source.setPrompt(&sourcePrompt);
        target.setPrompt(&prompt);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    fs::path file(const std::string& name) const { return m_folder / name; }

    std::vector<std::string> folderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // The bytes of the small case saved by `source`.
    std::string smallCaseFile() {
        buildSmallCase(source, source.NewPersonId());
        const fs::path path = file("small.csf");
        EXPECT_TRUE(source.SaveCase(path.string()));
        return readBytes(path);
    }

    // Gives `target` an open case of its own, filtered to its person, to see it kept or replaced.
    void openCaseInTarget() {
        target.NewPersonId();
        target.NewPersonId();
        buildSmallCase(target, target.NewPersonId()); // person 3
        target.cdsEarning.setFiltered(false);
        target.cdsEarning.setFilter("earning_year = 2000");
        target.cdsEarning.setFiltered(true);
        target.cdsEarning.next();
    }

    TdMain source;
    RecordingPrompt sourcePrompt;
    TdMain target;
    RecordingPrompt prompt;

private:
    fs::path m_folder;
};

TEST_F(CaseFileIo, SaveAndLoadGiveBackTheSameTables) {
    buildSmallCase(source, source.NewPersonId());
    const fs::path path = file("case.csf");
    writeBytes(path, "an earlier file");

    ASSERT_TRUE(source.SaveCase(path.string()));
    EXPECT_TRUE(sourcePrompt.errors.empty());
    EXPECT_EQ(folderEntries(), (std::vector<std::string>{"case.csf"}))
        << "a temporary file is left";
    for (Table* table : caseTables(source))
        EXPECT_FALSE(table->filtered()) << table->name() << " after the save";

    ASSERT_TRUE(target.LoadCase(path.string()));
    EXPECT_TRUE(prompt.errors.empty());
    for (std::size_t i = 0; i < 3; ++i) {
        Table& saved = *caseTables(source)[i];
        Table& loaded = *caseTables(target)[i];
        SCOPED_TRACE(saved.name());
        EXPECT_FALSE(loaded.filtered());
        EXPECT_EQ(viewRows(loaded), viewRows(saved));
    }
    EXPECT_EQ(target.cdsExp.recordCount(), 2);

    std::vector<std::int32_t> keys;
    for (int row = 0; row < target.cdsEarning.recordCount(); ++row)
        keys.push_back(std::get<std::int32_t>(
            target.cdsEarning.viewValue(row, target.cdsEarning.fieldIndex("earning_id"))));
    EXPECT_EQ(keys, (std::vector<std::int32_t>{1199908, 1199911, 1200000, 1200006, 1200100}));
}

TEST_F(CaseFileIo, LoadTakesTheIdentitiesOfTheFile) {
    struct Case {
        const char* name;
        int issuedBefore; // identities the loading run has given out
        std::int32_t loadedId;
        std::int32_t expectedCurrent;
        std::int32_t expectedLast;
    };
    const Case cases[] = {
        {"first run, person 5", 0, 5, 5, 6},
        {"person 3, 10 issued", 10, 3, 3, 10},
        {"person 12, 10 issued", 10, 12, 12, 13},
        {"person 10, 10 issued", 10, 10, 10, 11},
        {"largest identity whose ledger keys fit", 0, 2146, 2146, 2147},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TdMain saving;
        buildSmallCase(saving, c.loadedId);
        const fs::path path = file("identity.csf");
        ASSERT_TRUE(saving.SaveCase(path.string()));

        TdMain loading;
        for (int i = 0; i < c.issuedBefore; ++i)
            loading.NewPersonId();
        ASSERT_TRUE(loading.LoadCase(path.string()));
        EXPECT_EQ(loading.currentPersonId(), c.expectedCurrent);
        EXPECT_EQ(loading.lastPersonId(), c.expectedLast);
        EXPECT_EQ(loading.NewPersonId(), c.expectedLast + 1);
    }
}

TEST_F(CaseFileIo, EmptyCaseLoadsAsEmptyTablesWithCountersUnchanged) {
    const fs::path path = file("empty.csf");
    ASSERT_TRUE(source.SaveCase(path.string()));
    openCaseInTarget();
    const std::int32_t current = target.currentPersonId();
    const std::int32_t last = target.lastPersonId();

    ASSERT_TRUE(target.LoadCase(path.string()));
    for (Table* table : caseTables(target)) {
        EXPECT_FALSE(table->filtered()) << table->name();
        EXPECT_EQ(table->recordCount(), 0) << table->name();
    }
    EXPECT_EQ(target.currentPersonId(), current);
    EXPECT_EQ(target.lastPersonId(), last);
}

TEST_F(CaseFileIo, SavingALedgerFilteredToOneYearWritesItWhole) {
    buildSmallCase(source, source.NewPersonId());
    source.cdsEarning.setFiltered(false);
    const int wholeLedger = source.cdsEarning.recordCount();
    source.cdsEarning.setFilter("earning_year = 2000");
    source.cdsEarning.setFiltered(true);
    ASSERT_LT(source.cdsEarning.recordCount(), wholeLedger);

    const fs::path path = file("filtered.csf");
    ASSERT_TRUE(source.SaveCase(path.string()));
    EXPECT_FALSE(source.cdsEarning.filtered());
    EXPECT_EQ(source.cdsEarning.recordCount(), wholeLedger);

    ASSERT_TRUE(target.LoadCase(path.string()));
    EXPECT_EQ(target.cdsEarning.recordCount(), wholeLedger);
}

TEST_F(CaseFileIo, MissingFileGivesFalseAndShowsNothing) {
    openCaseInTarget();
    const CaseState before = captureState(target);
    EXPECT_FALSE(target.LoadCase(file("no such case.csf").string()));
    EXPECT_TRUE(prompt.errors.empty());
    expectSameState(before, captureState(target));
}

// A refused file leaves the open case exactly as it was and shows one message.
TEST_F(CaseFileIo, RefusedFilesLeaveTheOpenCaseAsItWas) {
    const std::string good = smallCaseFile();
    const std::string plain = decipher(good);

    // Real snapshots, to build files whose digest is right but whose content is refused.
    const std::string person = source.cdsPerson.saveSnapshot();
    const std::string periods = source.cdsExp.saveSnapshot();
    const std::string ledger = source.cdsEarning.saveSnapshot();
    const auto savedWith = [&](auto&& change) {
        TdMain other;
        change(other);
        const fs::path path = file("other.csf");
        EXPECT_TRUE(other.SaveCase(path.string()));
        return readBytes(path);
    };
    std::string negativeLength = plain; // P = -1, E raised to keep the sum of the lengths
    setInt32(negativeLength, 33, 24);
    setInt32(negativeLength, 37, int32At(plain, 37) + int32At(plain, 33) - 24);
    std::string shortDigest = plain;
    shortDigest[0] = 31;
    std::string digestChanged = plain;
    digestChanged[1] ^= 0x20;

    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> acceptedMessages;
    };
    const Case cases[] = {
        {"empty file", "", {kOpenFailed}},
        {"44 bytes", good.substr(0, 44), {kOpenFailed}},
        {"one byte appended", good + '\0', {kOpenFailed}},
        {"last byte removed", good.substr(0, good.size() - 1), {kOpenFailed}},
        {"written with another key",
         encipher(plain, CipherKey{0x1234, 0x5678, 0x9ABC}),
         {kOpenFailed, kLoadFailed}},
        {"negative person snapshot length", encipher(negativeLength), {kLoadFailed}},
        {"digest length 31", encipher(shortDigest), {kLoadFailed}},
        {"digest changed", encipher(digestChanged), {kLoadFailed}},
        {"person snapshot that is no snapshot",
         PackCaseFile("no snapshot", periods, ledger),
         {kLoadFailed}},
        {"period snapshot in the ledger's place",
         PackCaseFile(person, periods, periods),
         {kLoadFailed}},
        {"ledger snapshot in the periods' place",
         PackCaseFile(person, ledger, ledger),
         {kLoadFailed}},
        {"person without identity",
         savedWith([](TdMain& dm) { addPerson(dm, std::nullopt); }),
         {kLoadFailed}},
        {"identity 2147: ledger keys would pass 32 bits",
         savedWith([](TdMain& dm) { buildSmallCase(dm, 2147); }),
         {kLoadFailed}},
        {"largest integer identity",
         savedWith([](TdMain& dm) { addPerson(dm, 2147483647); }),
         {kLoadFailed}},
        {"negative identity", savedWith([](TdMain& dm) { addPerson(dm, -1); }), {kLoadFailed}},
    };
    openCaseInTarget();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path path = file("refused.csf");
        writeBytes(path, c.bytes);
        prompt.errors.clear();
        const CaseState before = captureState(target);

        EXPECT_FALSE(target.LoadCase(path.string()));
        ASSERT_EQ(prompt.errors.size(), 1u);
        EXPECT_TRUE(std::find(c.acceptedMessages.begin(), c.acceptedMessages.end(),
                              prompt.errors[0]) != c.acceptedMessages.end())
            << "shown: " << prompt.errors[0];
        expectSameState(before, captureState(target));
    }
}

TEST_F(CaseFileIo, EveryChangedByteIsRefused) {
    const std::string good = smallCaseFile();
    openCaseInTarget();
    const CaseState before = captureState(target);
    const fs::path path = file("changed.csf");
    for (std::size_t position = 0; position < good.size(); ++position) {
        SCOPED_TRACE(testing::Message() << "byte " << position << " of " << good.size());
        std::string changed = good;
        changed[position] ^= 0x01;
        writeBytes(path, changed);
        prompt.errors.clear();

        ASSERT_FALSE(target.LoadCase(path.string()));
        ASSERT_EQ(prompt.errors.size(), 1u);
        ASSERT_TRUE(prompt.errors[0] == kOpenFailed || prompt.errors[0] == kLoadFailed)
            << "shown: " << prompt.errors[0];
        expectSameState(before, captureState(target));
        if (HasFailure())
            break;
    }
}

TEST_F(CaseFileIo, UnreadableFilesShowTheLoadMessage) {
    fs::create_directory(file("folder.csf"));
    const fs::path huge = file("huge.csf");
    writeBytes(huge, "");
    fs::resize_file(huge, kLargestCaseFile + 1); // sparse: no disk is used
    openCaseInTarget();

    for (const fs::path& path : {file("folder.csf"), huge}) {
        SCOPED_TRACE(path.string());
        prompt.errors.clear();
        const CaseState before = captureState(target);
        EXPECT_FALSE(target.LoadCase(path.string()));
        EXPECT_EQ(prompt.errors, std::vector<std::string>{kLoadFailed});
        expectSameState(before, captureState(target));
    }
}

// A failed save says why, leaves an earlier file byte for byte and no temporary file.
TEST_F(CaseFileIo, FailedSaveSaysWhyAndLeavesTheEarlierFileWhole) {
    struct Case {
        const char* name;
        std::function<fs::path()> arrange; // gives the path to save to
        std::string message;
    };
    const std::string earlier = "the earlier case file";
    const Case cases[] = {
        {"target is a folder",
         [&] {
             fs::create_directory(file("folder.csf"));
             return file("folder.csf");
         },
         kSaveFailed + ": під цією назвою вже є папка, пристрій чи канал, а не звичайний файл."},
        {"target is a pipe",
         [&] {
             EXPECT_EQ(::mkfifo(file("pipe.csf").c_str(), 0600), 0);
             return file("pipe.csf");
         },
         kSaveFailed + ": під цією назвою вже є папка, пристрій чи канал, а не звичайний файл."},
        {"parent is a regular file",
         [&] {
             writeBytes(file("plain"), earlier);
             return file("plain") / "case.csf";
         },
         kSaveFailed + ": такої папки не існує."},
        {"missing folder", [&] { return file("missing") / "case.csf"; },
         kSaveFailed + ": такої папки не існує."},
        {"name of 5000 characters", [&] { return file(std::string(5000, 'a') + ".csf"); },
         kSaveFailed + ": назва файлу задовга."},
        {"a pending period refused by its hook",
         [&] {
             const fs::path path = file("pending.csf");
             writeBytes(path, earlier);
             source.cdsExp.append();
             source.cdsExp.setValue("exp_date_begin", day("01.02.2003"));
             source.cdsExp.setValue("exp_date_finish", day("01.01.2003"));
             return path;
         },
         kSaveFailed},
    };
    buildSmallCase(source, source.NewPersonId());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path path = c.arrange();
        std::error_code unreadable; // a name of 5000 characters cannot even be looked up
        const bool existed = fs::is_regular_file(path, unreadable);
        const std::vector<std::string> before = folderEntries();
        sourcePrompt.errors.clear();

        EXPECT_FALSE(source.SaveCase(path.string()));
        EXPECT_EQ(sourcePrompt.errors, std::vector<std::string>{c.message});
        if (existed) {
            EXPECT_EQ(readBytes(path), earlier);
        }
        EXPECT_EQ(folderEntries(), before) << "a temporary file is left";
        source.cdsExp.cancel();
    }
}

// The causes a person can act on, each made for real in a child process: a disk of its own that
// is full or read-only, and a folder the user may not write.
TEST_F(CaseFileIo, SaveSaysWhenTheDiskIsFullReadOnlyOrForbidden) {
    buildSmallCase(source, source.NewPersonId());
    const fs::path disk = file("disk");
    fs::create_directory(disk);
    struct Case {
        const char* name;
        std::function<void()> arrange; // in the child
        std::string message;
    };
    const Case cases[] = {
        {"full disk",
         [&] {
             testing_support::mountSmallDisk(disk, 4096);
             writeBytes(disk / "filler", std::string(4096, 'x'));
         },
         kSaveFailed + ": на диску не вистачає місця."},
        {"read-only disk",
         [&] {
             testing_support::mountSmallDisk(disk, 1024 * 1024);
             testing_support::remountReadOnly(disk);
         },
         kSaveFailed + ": диск або папка доступні лише для читання."},
        {"folder of another user",
         [&] {
             fs::permissions(disk, fs::perms::owner_all | fs::perms::group_read |
                                       fs::perms::group_exec | fs::perms::others_read |
                                       fs::perms::others_exec);
             testing_support::becomeUnprivileged();
         },
         kSaveFailed + ": немає дозволу на запис до цієї папки або цього файлу."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<std::string> shown = testing_support::runInChild([&] {
            c.arrange();
            RecordingPrompt childPrompt;
            source.setPrompt(&childPrompt);
            const bool saved = source.SaveCase((disk / "case.csf").string());
            return (saved ? std::string("saved") : childPrompt.errors.at(0));
        });
        if (!shown) {
            std::cout << "[  SKIPPED ] " << c.name << ": not permitted here\n";
            continue;
        }
        EXPECT_EQ(*shown, c.message);
    }
}

} // namespace
} // namespace rv

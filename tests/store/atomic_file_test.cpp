#include "child_process.h"
#include "file_bytes.h"
#include "engine/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace rv {
namespace {

namespace fs = std::filesystem;

using testing_support::readBytes;

void writePlain(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The names in a folder: what a write leaves behind.
std::vector<std::string> entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t permissions(const fs::path& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

std::error_code writeError(const fs::path& target, const std::string& bytes) {
    try {
        writeFileAtomically(target, bytes);
    } catch (const fs::filesystem_error& error) {
        return error.code();
    }
    return {};
}

class AtomicFile : public testing::Test {
protected:
    void SetUp() override {
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        m_folder = fs::temp_directory_path() / ("ravelta_atomic_" + std::string(test->name()) +
                                                "_" + std::to_string(::getpid()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }
    fs::path file(const std::string& name) const { return m_folder / name; }

    fs::path m_folder;
};

// Writers racing on one path: every write succeeds and the file is always one of them, whole.
TEST_F(AtomicFile, ConcurrentWritesToOnePathLeaveOneWholeFile) {
    const fs::path target = file("case.csf");
    constexpr int kWriters = 4;
    constexpr int kRounds = 40;
    std::vector<std::string> contents;
    for (int writer = 0; writer < kWriters; ++writer)
        contents.push_back(std::string(64 * 1024 + writer * 4096, static_cast<char>('a' + writer)));

    std::vector<int> failures(kWriters, 0);
    std::vector<std::thread> threads;
    for (int writer = 0; writer < kWriters; ++writer)
        threads.emplace_back([&, writer] {
            for (int round = 0; round < kRounds; ++round)
                if (writeError(target, contents[static_cast<std::size_t>(writer)]))
                    ++failures[static_cast<std::size_t>(writer)];
        });
    for (std::thread& thread : threads)
        thread.join();

    EXPECT_EQ(failures, std::vector<int>(kWriters, 0)) << "a write failed on a race";
    const std::string result = readBytes(target);
    EXPECT_NE(std::find(contents.begin(), contents.end(), result), contents.end())
        << "a mixed file of " << result.size() << " bytes";
    EXPECT_EQ(entries(m_folder), std::vector<std::string>{"case.csf"});
}

// A symlink planted where a temporary file might go is never written through.
TEST_F(AtomicFile, APlantedSymlinkBesideTheTargetIsNotFollowed) {
    const fs::path victim = file("victim");
    writePlain(victim, "keep me");
    const fs::path target = file("case.csf");
    for (const char* planted : {"case.csf.ravelta-tmp", ".case.csf.tmp", "case.csf.tmp"})
        fs::create_symlink(victim, file(planted));

    writeFileAtomically(target, "new case");
    EXPECT_EQ(readBytes(victim), "keep me");
    EXPECT_EQ(readBytes(target), "new case");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(target)));
}

TEST_F(AtomicFile, KeepsPermissionsAndSymlinksAndNewFilesArePrivate) {
    const fs::path kept = file("kept.csf");
    writePlain(kept, "old");
    fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    writeFileAtomically(kept, "new");
    EXPECT_EQ(permissions(kept), 0640u);

    const mode_t umaskBefore = ::umask(0);
    writeFileAtomically(file("fresh.csf"), "personal data");
    ::umask(umaskBefore);
    EXPECT_EQ(permissions(file("fresh.csf")), 0600u) << "readable by others";

    // A link, relative and absolute, stays a link; the file it names gets the bytes.
    fs::create_directory(file("cases"));
    writePlain(file("cases/real.csf"), "old");
    fs::create_symlink("cases/real.csf", file("relative.csf"));
    fs::create_symlink(file("relative.csf"), file("absolute.csf"));
    writeFileAtomically(file("absolute.csf"), "through two links");
    EXPECT_TRUE(fs::is_symlink(file("relative.csf")));
    EXPECT_TRUE(fs::is_symlink(file("absolute.csf")));
    EXPECT_EQ(readBytes(file("cases/real.csf")), "through two links");

    // A dangling link: the file it names is made.
    fs::create_symlink("cases/later.csf", file("dangling.csf"));
    writeFileAtomically(file("dangling.csf"), "made");
    EXPECT_TRUE(fs::is_symlink(file("dangling.csf")));
    EXPECT_EQ(readBytes(file("cases/later.csf")), "made");
}

// The temporary name does not grow with the target's: a name of 250 bytes, near the file system's
// 255, is written as any other.
TEST_F(AtomicFile, ANameNearTheLongestTheFileSystemTakesIsWritten) {
    const fs::path target = file(std::string(246, 'n') + ".csf");
    writeFileAtomically(target, "bytes");
    EXPECT_EQ(readBytes(target), "bytes");
}

TEST_F(AtomicFile, RefusesTargetsThatAreNotRegularFiles) {
    ASSERT_EQ(::mkfifo(file("pipe").c_str(), 0600), 0);
    fs::create_directory(file("folder"));
    fs::create_symlink(file("pipe"), file("link to pipe"));
    fs::create_symlink("loop b", file("loop a"));
    fs::create_symlink("loop a", file("loop b"));
    const std::vector<std::string> before = entries(m_folder);

    struct Case {
        const char* name;
        std::error_code expected;
    };
    const Case cases[] = {
        {"pipe", AtomicWriteRefusal::NotRegularFile},
        {"folder", AtomicWriteRefusal::NotRegularFile},
        {"link to pipe", AtomicWriteRefusal::NotRegularFile},
        {"loop a", AtomicWriteRefusal::SymlinkLoop},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(writeError(file(c.name), "bytes"), c.expected);
    }
    EXPECT_TRUE(fs::is_fifo(file("pipe")));
    EXPECT_EQ(entries(m_folder), before) << "a temporary file was left or a target replaced";
}

// In a shared sticky folder such as /tmp, another user's symlink could point anywhere.
TEST_F(AtomicFile, AnotherUsersSymlinkInASharedFolderIsRefused) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "making a symlink owned by another user needs root";
    const fs::path shared = file("shared");
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    const fs::path victim = file("victim");
    writePlain(victim, "keep me");
    const fs::path planted = shared / "earning.csv";
    fs::create_symlink(victim, planted);
    ASSERT_EQ(::lchown(planted.c_str(), 65534, 65534), 0);

    EXPECT_EQ(writeError(planted, "dump"), std::error_code(AtomicWriteRefusal::ForeignSymlink));
    EXPECT_EQ(readBytes(victim), "keep me");
}

// A failed write, wherever it fails, leaves the earlier file whole and no temporary file.
TEST_F(AtomicFile, AFullDiskLeavesTheEarlierFileWhole) {
    const fs::path disk = file("disk");
    fs::create_directory(disk);
    const std::optional<std::string> outcome = testing_support::runInChild([&] {
        testing_support::mountSmallDisk(disk, 64 * 1024);
        writePlain(disk / "case.csf", "earlier");
        const std::error_code error = writeError(disk / "case.csf", std::string(256 * 1024, 'x'));
        const std::vector<std::string> left = entries(disk);
        return error.message() + "|" + readBytes(disk / "case.csf") + "|" +
               std::to_string(left.size());
    });
    if (!outcome)
        GTEST_SKIP() << "a small disk cannot be mounted here (needs CAP_SYS_ADMIN)";
    EXPECT_EQ(*outcome, std::error_code(ENOSPC, std::generic_category()).message() + "|earlier|1");
}

} // namespace
} // namespace rv

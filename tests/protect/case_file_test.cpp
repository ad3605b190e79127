#include "protect/case_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace rv {
namespace {

// MD5 of "" and of "abc" (RFC 1321, appendix A.5).
constexpr const char* kMd5OfEmpty = "D41D8CD98F00B204E9800998ECF8427E";
constexpr const char* kMd5OfAbc = "900150983CD24FB0D6963F7D28E17F72";

std::string encipher(const std::string& plain, const CipherKey& key = ProgramCipherKey()) {
    std::string out(plain.size(), '\0');
    EXPECT_TRUE(EncipherBuffer(reinterpret_cast<const std::uint8_t*>(plain.data()), plain.size(),
                               reinterpret_cast<std::uint8_t*>(out.data()), out.size(), key));
    return out;
}

std::string decipher(const std::string& file) {
    std::string out(file.size(), '\0');
    EXPECT_TRUE(DecipherBuffer(reinterpret_cast<const std::uint8_t*>(file.data()), file.size(),
                               reinterpret_cast<std::uint8_t*>(out.data()), out.size(),
                               ProgramCipherKey()));
    return out;
}

void appendInt32(std::string& out, std::int64_t value) {
    const auto bits = static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

std::int32_t int32At(const std::string& bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i]))
                << (8 * i);
    return static_cast<std::int32_t>(bits);
}

// A plain case content with a header of our choosing, enciphered with the program key.
std::string craftedFile(std::uint8_t digestLength, const std::string& digest, std::int64_t first,
                        std::int64_t second, std::int64_t third, const std::string& body) {
    std::string plain(1, static_cast<char>(digestLength));
    plain += digest;
    plain.resize(33, '\0');
    appendInt32(plain, first);
    appendInt32(plain, second);
    appendInt32(plain, third);
    return encipher(plain + body);
}

const char* statusName(CaseFileStatus status) {
    switch (status) {
    case CaseFileStatus::Unpacked:
        return "unpacked";
    case CaseFileStatus::OpeningFailed:
        return "opening failed";
    case CaseFileStatus::LoadingFailed:
        return "loading failed";
    }
    return "?";
}

TEST(CaseDigest, CombinesTheThreeMd5TextsByteWise) {
    // x XOR x XOR y = y: two equal snapshots leave the third one's digest text.
    EXPECT_EQ(CaseDigest("", "", ""), kMd5OfEmpty);
    EXPECT_EQ(CaseDigest("same", "same", "abc"), kMd5OfAbc);
    EXPECT_EQ(CaseDigest("abc", "person", "person"), kMd5OfAbc);
    EXPECT_EQ(CaseDigest("abc", "abc", ""), kMd5OfEmpty);
    EXPECT_EQ(CaseDigest("a", "b", "a"), CaseDigest("b", "", ""));
}

TEST(CaseFile, PackedPlainContentHasTheHeaderThenTheSnapshots) {
    const std::string person = "person snapshot";
    const std::string periods = "two periods";
    const std::string ledger = "ledger";
    const std::string plain = decipher(PackCaseFile(person, periods, ledger));

    ASSERT_EQ(plain.size(), 45 + person.size() + periods.size() + ledger.size());
    EXPECT_EQ(static_cast<unsigned char>(plain[0]), 32);
    EXPECT_EQ(plain.substr(1, 32), CaseDigest(person, periods, ledger));
    EXPECT_EQ(int32At(plain, 33), static_cast<std::int32_t>(person.size()) + 25);
    EXPECT_EQ(int32At(plain, 37), static_cast<std::int32_t>(periods.size()) + 25);
    EXPECT_EQ(int32At(plain, 41), static_cast<std::int32_t>(ledger.size()) - 50); // negative
    EXPECT_EQ(plain.substr(45), person + periods + ledger);
}

TEST(CaseFile, UnpackGivesBackWhatWasPacked) {
    struct Case {
        const char* name;
        std::string person, periods, ledger;
    };
    const Case cases[] = {
        {"three empty snapshots", "", "", ""},
        {"short ledger: stored R - 50 is negative", "p", "e", "r"},
        {"ledger of exactly 50 bytes", "person", "", std::string(50, 'L')},
        {"bytes of every value", std::string("\0\x01\xFF", 3), std::string(300, '\x80'),
         std::string(1000, '\0')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const UnpackedCaseFile file = UnpackCaseFile(PackCaseFile(c.person, c.periods, c.ledger));
        ASSERT_EQ(statusName(file.status()), statusName(CaseFileStatus::Unpacked));
        EXPECT_EQ(file.person(), c.person);
        EXPECT_EQ(file.periods(), c.periods);
        EXPECT_EQ(file.ledger(), c.ledger);
    }
}

TEST(CaseFile, DamagedFilesAreRefusedWithTheirFailureKind) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    const std::string body = "PPPPPEEEEEEERRRR"; // 16 bytes: P 5, E 7, R 4
    const std::string digest = CaseDigest("PPPPP", "EEEEEEE", "RRRR");
    const std::string good = craftedFile(32, digest, 5 + 25, 7 + 25, 4 - 50, body);
    std::string digestChanged = digest;
    digestChanged[31] ^= 0x01;

    struct Case {
        const char* name;
        std::string file;
        CaseFileStatus expected;
    };
    const Case cases[] = {
        {"well-formed", good, CaseFileStatus::Unpacked},
        {"empty file", "", CaseFileStatus::OpeningFailed},
        {"44 bytes", good.substr(0, 44), CaseFileStatus::OpeningFailed},
        {"header only, snapshots missing", good.substr(0, 45), CaseFileStatus::OpeningFailed},
        {"one byte appended", good + "x", CaseFileStatus::OpeningFailed},
        {"last byte removed", good.substr(0, good.size() - 1), CaseFileStatus::OpeningFailed},
        {"lengths add up only in 32-bit wrap-around",
         craftedFile(32, digest, kMax, kMax, 2 + 16, body), CaseFileStatus::OpeningFailed},
        {"every length at its minimum",
         craftedFile(32, digest, -kMax - 1, -kMax - 1, -kMax - 1, body),
         CaseFileStatus::OpeningFailed},
        {"negative person length", craftedFile(32, digest, 20, 16 + 30, -50, body),
         CaseFileStatus::LoadingFailed},
        {"negative period length", craftedFile(32, digest, 16 + 30, 20, -50, body),
         CaseFileStatus::LoadingFailed},
        {"negative ledger length", craftedFile(32, digest, 25, 25 + 17, -51, body),
         CaseFileStatus::LoadingFailed},
        {"digest length 31", craftedFile(31, digest, 30, 32, -46, body),
         CaseFileStatus::LoadingFailed},
        {"digest length 0", craftedFile(0, digest, 30, 32, -46, body),
         CaseFileStatus::LoadingFailed},
        {"digest mismatch", craftedFile(32, digestChanged, 30, 32, -46, body),
         CaseFileStatus::LoadingFailed},
        {"snapshot boundaries moved", craftedFile(32, digest, 31, 31, -46, body),
         CaseFileStatus::LoadingFailed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const UnpackedCaseFile file = UnpackCaseFile(c.file);
        EXPECT_STREQ(statusName(file.status()), statusName(c.expected));
        if (!file.unpacked()) {
            EXPECT_TRUE(file.person().empty() && file.periods().empty() && file.ledger().empty());
        }
    }
}

TEST(CaseFile, AnotherKeyNeverUnpacks) {
    const std::string person(120, 'p'), periods(240, 'e'), ledger(900, 'r');
    CipherKey oneBitAway = ProgramCipherKey();
    oneBitAway.initialState ^= 0x0001;
    const CipherKey keys[] = {{0x1234, 0x5678, 0x9ABC}, oneBitAway, {0, 0, 0}};
    for (const CipherKey& key : keys) {
        SCOPED_TRACE(testing::Message() << "key " << key.multiplier << ", " << key.increment << ", "
                                        << key.initialState);
        const UnpackedCaseFile file = UnpackCaseFile(PackCaseFile(person, periods, ledger, key));
        EXPECT_FALSE(file.unpacked());
    }
}

} // namespace
} // namespace rv

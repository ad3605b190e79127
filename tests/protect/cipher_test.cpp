#include "protect/cipher.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

namespace rv {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes encipher(const Bytes& plain, const CipherKey& key) {
    Bytes out(plain.size());
    EXPECT_TRUE(EncipherBuffer(plain.data(), plain.size(), out.data(), out.size(), key));
    return out;
}

Bytes decipher(const Bytes& enciphered, const CipherKey& key) {
    Bytes out(enciphered.size());
    EXPECT_TRUE(DecipherBuffer(enciphered.data(), enciphered.size(), out.data(), out.size(), key));
    return out;
}

std::string asText(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

struct NamedKey {
    const char* name;
    CipherKey key;
};

const NamedKey kKeys[] = {
    {"program key", ProgramCipherKey()},    {"all zero", {0x0000, 0x0000, 0x0000}},
    {"all ones", {0xFFFF, 0xFFFF, 0xFFFF}}, {"even multiplier", {0x0100, 0x0001, 0x8000}},
    {"mixed", {0x1234, 0x5678, 0x9ABC}},
};

std::vector<std::pair<const char*, Bytes>> sampleBuffers() {
    Bytes everyByte(256);
    std::iota(everyByte.begin(), everyByte.end(), std::uint8_t{0});
    const std::string cyrillic = "Пенсійний вік жінки";
    return {
        {"empty", {}},
        {"one byte", {0x41}},
        {"every byte value", everyByte},
        {"zeros", Bytes(1000, 0)},
        {"UTF-8 text", Bytes(cyrillic.begin(), cyrillic.end())},
    };
}

TEST(CipherTest, DecipherUndoesEncipherForEveryKeyAndBuffer) {
    for (const auto& [keyName, key] : kKeys)
        for (const auto& [bufferName, plain] : sampleBuffers()) {
            SCOPED_TRACE(testing::Message() << keyName << ", " << bufferName);
            const Bytes enciphered = encipher(plain, key);
            EXPECT_EQ(decipher(enciphered, key), plain);

            const std::string cipherText = CipherText(asText(plain), key, true);
            EXPECT_EQ(cipherText, asText(enciphered));
            EXPECT_EQ(DecipherText(cipherText, key), asText(plain));
            EXPECT_EQ(CipherText(cipherText, key, false), asText(plain));
        }
}

TEST(CipherTest, FirstByteIsPlainXorHighByteOfInitialStateWhateverK0AndK1) {
    const std::uint16_t initialState = 0xA55A;
    for (const std::uint16_t multiplier : {0x0000, 0x0001, 0x9E37, 0xFFFF})
        for (const std::uint16_t increment : {0x0000, 0x58E1, 0xFFFF})
            for (const std::uint8_t first : {0x00, 0x41, 0xFF}) {
                SCOPED_TRACE(testing::Message() << "K0=" << multiplier << " K1=" << increment
                                                << " first byte=" << int(first));
                const CipherKey key{multiplier, increment, initialState};
                const Bytes input = {first, 0x10, 0x20};
                EXPECT_EQ(encipher(input, key)[0], first ^ 0xA5);
                EXPECT_EQ(decipher(input, key)[0], first ^ 0xA5);
            }
}

TEST(CipherTest, CommonPlainPrefixGivesCommonCipherPrefix) {
    const std::string prefix = "mz_date_begin";
    const Bytes first = {prefix.begin(), prefix.end()};
    Bytes second = first;
    Bytes firstLonger = first;
    firstLonger.insert(firstLonger.end(), {'1', '=', 'x'});
    second.insert(second.end(), {'2', '=', 'x'});

    for (const auto& [keyName, key] : kKeys) {
        SCOPED_TRACE(keyName);
        const Bytes a = encipher(firstLonger, key);
        const Bytes b = encipher(second, key);
        EXPECT_TRUE(std::equal(a.begin(), a.begin() + prefix.size(), b.begin()));
        // Same state, different plain byte: the first differing cipher byte always differs.
        EXPECT_NE(a[prefix.size()], b[prefix.size()]);
    }
}

TEST(CipherTest, LengthMismatchReturnsFalseAndLeavesDestinationUntouched) {
    const CipherKey key = ProgramCipherKey();
    const Bytes source(10, 0x33);
    for (const std::size_t destinationLength : {0, 9, 11}) {
        SCOPED_TRACE(testing::Message() << "destination length " << destinationLength);
        Bytes destination(destinationLength, 0xAA);
        EXPECT_FALSE(EncipherBuffer(source.data(), source.size(), destination.data(),
                                    destination.size(), key));
        EXPECT_EQ(destination, Bytes(destinationLength, 0xAA));
        EXPECT_FALSE(DecipherBuffer(source.data(), source.size(), destination.data(),
                                    destination.size(), key));
        EXPECT_EQ(destination, Bytes(destinationLength, 0xAA));
    }
}

TEST(CipherTest, HandComputedVector) {
    // K0 = 0x1234, K1 = 0x5678, S = K2 = 0x9ABC; plain "ABC" = 41 42 43:
    //   41 ^ 9A = DB; t = (41 + BC) & FF = FD; S = (FD * 1234 + 5678) & FFFF = 53DC
    //   42 ^ 53 = 11; t = (42 + DC) & FF = 1E (carry dropped); S = (1E * 1234 + 5678) & FFFF = 7890
    //   43 ^ 78 = 3B
    const CipherKey key{0x1234, 0x5678, 0x9ABC};
    const Bytes plain = {0x41, 0x42, 0x43};
    const Bytes enciphered = {0xDB, 0x11, 0x3B};
    EXPECT_EQ(encipher(plain, key), enciphered);
    EXPECT_EQ(decipher(enciphered, key), plain);
}

} // namespace
} // namespace rv

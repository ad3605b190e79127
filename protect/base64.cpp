#include "base64.h"

#include <openssl/evp.h>

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <string_view>

namespace rv {
namespace {

// EVP_EncodeBlock and EVP_DecodeBlock take an int length: long inputs go in whole groups.
constexpr std::size_t kBytesPerChunk = 3 * 16 * 1024;
constexpr std::size_t kCharsPerChunk = 4 * 16 * 1024;

// The 6-bit value of each byte as a Base64 character, or -1; a table, because every character of
// the embedded reference data passes this check at start-up.
constexpr std::array<std::int8_t, 256> kSextets = [] {
    std::array<std::int8_t, 256> sextets{};
    sextets.fill(-1);
    constexpr std::string_view alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (std::size_t i = 0; i < alphabet.size(); ++i)
        sextets[static_cast<unsigned char>(alphabet[i])] = static_cast<std::int8_t>(i);
    return sextets;
}();

int sextetOf(char c) {
    return kSextets[static_cast<unsigned char>(c)];
}

// The number of "=" at the end, or -1 when the text is not canonical padded Base64.
int checkedPaddingLength(std::string_view text) {
    if (text.size() % 4 != 0)
        return -1;
    const std::size_t dataLength = text.find_last_not_of('=') + 1; // npos + 1 == 0
    const auto padding = static_cast<int>(text.size() - dataLength);
    if (padding > 2 || (padding > 0 && dataLength == 0))
        return -1;
    if (!std::all_of(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(dataLength),
                     [](char c) { return sextetOf(c) >= 0; }))
        return -1;
    // With one "=" the last character carries 2 unused bits, with two "=" it carries 4.
    if (padding > 0) {
        const int unusedBitsMask = padding == 1 ? 0x03 : 0x0F;
        if ((sextetOf(text[dataLength - 1]) & unusedBitsMask) != 0)
            return -1;
    }
    return padding;
}

} // namespace

std::string EncodeBase64(std::string_view bytes) {
    // EVP_EncodeBlock writes a terminating zero after each chunk: room for one more byte.
    std::string result((bytes.size() + 2) / 3 * 4 + 1, '\0');
    std::size_t written = 0;
    for (std::size_t offset = 0; offset < bytes.size(); offset += kBytesPerChunk) {
        const std::size_t length = std::min(kBytesPerChunk, bytes.size() - offset);
        written += static_cast<std::size_t>(
            EVP_EncodeBlock(reinterpret_cast<unsigned char*>(result.data()) + written,
                            reinterpret_cast<const unsigned char*>(bytes.data()) + offset,
                            static_cast<int>(length)));
    }
    result.resize(written);
    return result;
}

std::optional<std::string> DecodeBase64(std::string_view text) {
    const int padding = checkedPaddingLength(text);
    if (padding < 0)
        return std::nullopt;

    std::string result(text.size() / 4 * 3, '\0');
    std::size_t written = 0;
    for (std::size_t offset = 0; offset < text.size(); offset += kCharsPerChunk) {
        const std::size_t length = std::min(kCharsPerChunk, text.size() - offset);
        const int decoded = EVP_DecodeBlock(
            reinterpret_cast<unsigned char*>(result.data()) + written,
            reinterpret_cast<const unsigned char*>(text.data()) + offset, static_cast<int>(length));
        if (decoded < 0)
            return std::nullopt;
        written += static_cast<std::size_t>(decoded);
    }
    // EVP_DecodeBlock counts the zero bytes that stand for the padding characters.
    assert(written == result.size() && written >= static_cast<std::size_t>(padding));
    result.resize(written - static_cast<std::size_t>(padding));
    return result;
}

} // namespace rv

#include "cp1251.h"

#include <array>
#include <cstdint>
#include <optional>

namespace rv {

namespace {

// The characters of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F (А..я) in order.
constexpr std::array<char16_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // 0xB8
};
constexpr char32_t kCyrillicA = 0x0410;
constexpr unsigned char kCyrillicAByte = 0xC0;

char32_t characterOf(unsigned char byte) {
    if (byte < 0x80)
        return byte;
    if (byte >= kCyrillicAByte)
        return kCyrillicA + (byte - kCyrillicAByte);
    return kUpperHalf[byte - 0x80];
}

std::optional<unsigned char> byteOf(char32_t character) {
    if (character < 0x80)
        return static_cast<unsigned char>(character);
    if (character >= kCyrillicA && character < kCyrillicA + 64)
        return static_cast<unsigned char>(kCyrillicAByte + (character - kCyrillicA));
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i)
        if (kUpperHalf[i] == character)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

// Decodes the character at `position` and moves past it; nullopt (moving one byte) for a byte
// that does not start a well-formed sequence.
std::optional<char32_t> nextCharacter(std::string_view text, std::size_t& position) {
    const auto lead = static_cast<unsigned char>(text[position++]);
    if (lead < 0x80)
        return lead;
    int continuation = 0;
    char32_t character = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        continuation = 1;
        character = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        continuation = 2;
        character = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        continuation = 3;
        character = lead & 0x07;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - position < static_cast<std::size_t>(continuation))
        return std::nullopt;
    for (int i = 0; i < continuation; ++i) {
        const auto byte = static_cast<unsigned char>(text[position + static_cast<std::size_t>(i)]);
        if ((byte & 0xC0) != 0x80)
            return std::nullopt;
        character = (character << 6) | (byte & 0x3F);
    }
    if (character < smallest || character > 0x10FFFF ||
        (character >= 0xD800 && character <= 0xDFFF))
        return std::nullopt;
    position += static_cast<std::size_t>(continuation);
    return character;
}

void appendUtf8(std::string& out, char32_t character) {
    if (character < 0x80) {
        out.push_back(static_cast<char>(character));
    } else if (character < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (character >> 6)));
        out.push_back(static_cast<char>(0x80 | (character & 0x3F)));
    } else {
        // Every character of the code page lies below U+10000.
        out.push_back(static_cast<char>(0xE0 | (character >> 12)));
        out.push_back(static_cast<char>(0x80 | ((character >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (character & 0x3F)));
    }
}

} // namespace

std::string toCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t position = 0;
    while (position < utf8.size()) {
        const std::optional<char32_t> character = nextCharacter(utf8, position);
        const std::optional<unsigned char> byte =
            character ? byteOf(*character) : std::optional<unsigned char>();
        out.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    return out;
}

std::string fromCp1251(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char byte : bytes)
        appendUtf8(out, characterOf(static_cast<unsigned char>(byte)));
    return out;
}

} // namespace rv

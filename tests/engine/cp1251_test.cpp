#include "engine/cp1251.h"
#include "engine/text_utf8.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace rv {
namespace {

std::string hexBytes(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        hex += kDigits[value >> 4];
        hex += kDigits[value & 0x0F];
        hex += ' ';
    }
    return hex;
}

// Every byte decodes to one well-formed character, no two bytes to the same one, and encodes
// back to itself: the code page is a bijection (0x98 through U+0098).
TEST(Cp1251, EveryByteRoundTrips) {
    std::set<std::string> characters;
    for (int value = 0; value < 256; ++value) {
        const std::string byte(1, static_cast<char>(value));
        const std::string utf8 = fromCp1251(byte);
        SCOPED_TRACE("byte " + hexBytes(byte) + "decodes to " + hexBytes(utf8));
        EXPECT_TRUE(isValidUtf8(utf8));
        EXPECT_EQ(utf8Length(utf8), 1u);
        EXPECT_TRUE(characters.insert(utf8).second) << "two bytes decode to the same character";
        EXPECT_EQ(hexBytes(toCp1251(utf8)), hexBytes(byte));
    }
}

// Positions from the published Windows-1251 table, chosen where Ukrainian texts need them.
TEST(Cp1251, CharactersSitAtTheirCodePagePositions) {
    struct Case {
        const char* name;
        const char* utf8;
        unsigned char byte;
    };
    const Case cases[] = {
        {"capital A", "А", 0xC0},
        {"small ya", "я", 0xFF},
        {"capital ghe with upturn", "Ґ", 0xA5},
        {"small ghe with upturn", "ґ", 0xB4},
        {"capital ukrainian ie", "Є", 0xAA},
        {"small ukrainian ie", "є", 0xBA},
        {"capital byelorussian-ukrainian i", "І", 0xB2},
        {"small byelorussian-ukrainian i", "і", 0xB3},
        {"capital yi", "Ї", 0xAF},
        {"small yi", "ї", 0xBF},
        {"capital io", "Ё", 0xA8},
        {"right single quotation mark (apostrophe)", "\u2019", 0x92},
        {"numero sign", "№", 0xB9},
        {"euro sign", "€", 0x88},
        {"no-break space", "\u00A0", 0xA0},
        {"em dash", "—", 0x97},
        {"unassigned 0x98 as U+0098", "\u0098", 0x98},
        {"ascii stays", "~", 0x7E},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(hexBytes(toCp1251(c.utf8)), hexBytes(byte));
        EXPECT_EQ(fromCp1251(byte), c.utf8);
    }
}

TEST(Cp1251, UnmappableAndMalformedInputBecomesQuestionMarks) {
    struct Case {
        const char* name;
        std::string utf8;
        std::string expected;
    };
    const Case cases[] = {
        {"greek omega", "Ω", "?"},
        {"latin a with diaeresis", "ä", "?"},
        {"four-byte emoji is one character", "\xF0\x9F\x98\x80", "?"},
        {"lone continuation byte", "a\x80z", "a?z"},
        {"truncated two-byte sequence at the end", "Рі\xD0", "\xD0\xB3?"},
        {"overlong slash, each byte", "\xC0\xAF", "??"},
        {"encoded surrogate, each byte", "\xED\xA0\x80", "???"},
        {"past U+10FFFF", "\xF4\x90\x80\x80", "????"},
        {"mixed line", "Рік;2004;Січень;", "\xD0\xB3\xEA;2004;\xD1\xB3\xF7\xE5\xED\xFC;"},
        {"empty", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(hexBytes(toCp1251(c.utf8)), hexBytes(c.expected));
    }
}

} // namespace
} // namespace rv

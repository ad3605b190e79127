#include "protect/base64.h"

#include <gtest/gtest.h>

#include <string>

namespace rv {
namespace {

struct Base64Case {
    std::string bytes;
    std::string text;
};

// RFC 4648, section 10, plus bytes that use "+" and "/".
const Base64Case kBase64Cases[] = {
    {"", ""},
    {"f", "Zg=="},
    {"fo", "Zm8="},
    {"foo", "Zm9v"},
    {"foob", "Zm9vYg=="},
    {"fooba", "Zm9vYmE="},
    {"foobar", "Zm9vYmFy"},
    {std::string("\xFB\xFF\x00", 3), "+/8A"},
    {std::string("\x00", 1), "AA=="},
};

TEST(Base64Test, EncodesAndDecodesPublishedVectors) {
    for (const auto& c : kBase64Cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << '"');
        EXPECT_EQ(EncodeBase64(c.bytes), c.text);
        EXPECT_EQ(DecodeBase64(c.text), c.bytes);
    }
}

TEST(Base64Test, RoundTripsEveryByteAndTextsLongerThanOneChunk) {
    std::string everyByte;
    for (int i = 0; i < 256; ++i)
        everyByte += static_cast<char>(i);
    for (const std::size_t length : {std::size_t{1}, std::size_t{255}, std::size_t{100000},
                                     std::size_t{100001}, std::size_t{100002}}) {
        std::string bytes;
        while (bytes.size() < length)
            bytes += everyByte;
        bytes.resize(length);
        SCOPED_TRACE(testing::Message() << length << " bytes");
        const std::string text = EncodeBase64(bytes);
        EXPECT_EQ(text.size(), (length + 2) / 3 * 4);
        EXPECT_EQ(DecodeBase64(text), bytes);
    }
}

TEST(Base64Test, RefusesAnythingButCanonicalPaddedBase64) {
    const char* const refused[] = {
        "Zg",       // no padding
        "Zg=",      // short padding
        "Zm9",      // length not a multiple of 4
        "Zg===",    // too much padding
        "Z===",     // three padding characters
        "====",     // padding only
        "Zg==Zg==", // padding inside
        "=Zm9",     // padding first
        "Zm=v",     // padding in the middle of a group
        "Zm9v\r\n", // line break
        " Zm9v",    // leading space
        "Zm9v ",    // trailing space
        "Zm 9v===", // space inside
        "Zm-v",     // URL-safe alphabet
        "Zm_v",     // URL-safe alphabet
        "Zm9\xD0",  // byte outside the alphabet
        "Zh==",     // non-zero unused bits (canonical: "Zg==")
        "Zm9=",     // non-zero unused bits (canonical: "Zm8=")
    };
    for (const char* text : refused)
        EXPECT_EQ(DecodeBase64(text), std::nullopt) << '"' << text << '"';
    EXPECT_EQ(DecodeBase64(std::string("Zm9\0", 4)), std::nullopt) << "zero byte";
}

} // namespace
} // namespace rv

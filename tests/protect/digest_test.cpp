#include "protect/digest.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace rv {
namespace {

struct DigestCase {
    std::string text;
    const char* md5;
};

// The test suite of RFC 1321, appendix A.5, plus a text longer than one read chunk.
const DigestCase kDigestCases[] = {
    {"", "D41D8CD98F00B204E9800998ECF8427E"},
    {"a", "0CC175B9C0F1B6A831C399E269772661"},
    {"abc", "900150983CD24FB0D6963F7D28E17F72"},
    {"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
    {"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
     "D174AB98D277D9F5A5611C2C9F419D9F"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "57EDF4A22BE3C955AC49DA2E2107B67A"},
    {std::string(1000000, 'a'), "7707D6AE4E027C70EEA2A935C2296F21"},
};

TEST(DigestTest, StreamMD5HexMatchesPublishedVectorsFromPositionZero) {
    for (const auto& c : kDigestCases) {
        SCOPED_TRACE(testing::Message()
                     << '"' << c.text.substr(0, 40) << "\" (" << c.text.size() << " bytes)");
        std::istringstream stream(c.text);
        EXPECT_EQ(StreamMD5Hex(stream), c.md5);
        EXPECT_EQ(stream.tellg(), std::streampos(c.text.size())) << "left at the end";
    }
}

TEST(DigestTest, StreamMD5HexCoversOnlyTheBytesFromThePosition) {
    const std::string head = "header bytes ";
    const DigestCase& tail = kDigestCases[3]; // "message digest"
    std::istringstream stream(head + tail.text);

    stream.seekg(static_cast<std::streamoff>(head.size()));
    EXPECT_EQ(StreamMD5Hex(stream), tail.md5) << "from the middle";

    stream.seekg(0, std::ios::end);
    EXPECT_EQ(StreamMD5Hex(stream), kDigestCases[0].md5) << "from the end: no bytes";
    EXPECT_EQ(stream.tellg(), std::streampos(head.size() + tail.text.size()));
}

TEST(DigestTest, XorStringsCombinesBytewiseToTheLengthOfTheFirst) {
    EXPECT_EQ(XorStrings("AB", "12"), "pp");
    EXPECT_EQ(XorStrings("AB", "12345"), "pp");

    const std::string digest = kDigestCases[2].md5;
    EXPECT_EQ(XorStrings(digest, digest), std::string(digest.size(), '\0'));
    EXPECT_EQ(XorStrings(XorStrings(digest, "some other text, 32 bytes long.."),
                         "some other text, 32 bytes long.."),
              digest);
}

} // namespace
} // namespace rv

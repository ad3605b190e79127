#include "protect/reference_container.h"

#include "protect/base64.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <optional>
#include <string>

namespace rv {
namespace {

// The stored form of one plain line or scalar, as the packer writes it.
std::string stored(std::string_view plain) {
    return EncodeBase64(CipherText(plain, ProgramCipherKey(), true));
}

std::string joinedBlock(std::initializer_list<std::string_view> plainLines) {
    std::string block;
    for (const std::string_view line : plainLines)
        block += (block.empty() ? "" : "\r\n") + stored(line);
    return block;
}

// Stored items made in the test; view() lends them as the program's container would.
struct StoredItems {
    std::array<std::string, 5> scalars = {stored("15"), stored("35"), stored("30"), stored("60"),
                                          stored("55")};
    std::array<std::string, 6> blocks = {joinedBlock({"azm_date_begin1=01.01.2000"}),
                                         joinedBlock({"azy_value1=1"}),
                                         joinedBlock({"mz_value1=2"}),
                                         joinedBlock({"k_type1=1"}),
                                         joinedBlock({"mp_value1=3"}),
                                         joinedBlock({"mi_value1=4"})};

    StoredReferenceData view() const {
        StoredReferenceData data;
        std::copy(scalars.begin(), scalars.end(), data.scalars.begin());
        std::copy(blocks.begin(), blocks.end(), data.blocks.begin());
        return data;
    }
};

// Runs the action and checks that it refuses as undecodable.
void expectUnpackingRefused(const std::function<void()>& action) {
    EXPECT_THROW(action(), ReferenceUnpackError);
}

TEST(UnpackReferenceDataTest, FillsEachParameterFromItsScalarAndEachTextFromItsBlock) {
    StoredItems items;
    items.scalars = {stored("1"), stored("2"), stored("3"), stored("4"), stored("5")};
    ReferenceData out;
    UnpackReferenceData(items.view(), out);

    EXPECT_EQ(out.MinInsuranceYears, 1);
    EXPECT_EQ(out.FullInsuranceYearsMale, 2);
    EXPECT_EQ(out.FullInsuranceYearsFemale, 3);
    EXPECT_EQ(out.PensionAgeMale, 4);
    EXPECT_EQ(out.PensionAgeFemale, 5);
    EXPECT_EQ(out.Opt1WindowMonths, 4);
    EXPECT_EQ(out.Opt2MaxExcludedMonths, 4);
    EXPECT_EQ(out.Opt2MinKeptMonths, 4);
    const std::array<std::string, 6> texts = {"azm_date_begin1=01.01.2000\r\n",
                                              "azy_value1=1\r\n",
                                              "mz_value1=2\r\n",
                                              "k_type1=1\r\n",
                                              "mp_value1=3\r\n",
                                              "mi_value1=4\r\n"};
    EXPECT_EQ(out.texts, texts);
}

TEST(UnpackReferenceDataTest, ScalarMustBeAWholeDecimalInt32) {
    struct Case {
        const char* plain;
        std::optional<std::int32_t> value; // empty: refused
    };
    const Case cases[] = {
        {"12", 12},
        {"0", 0},
        {"-7", -7},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"1x", {}},
        {"", {}},
        {"2147483648", {}},
        {"-2147483649", {}},
        {"+12", {}},
        {" 12", {}},
        {"12 ", {}},
        {"1.0", {}},
        {"-", {}},
        {"12\r\n", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "plain text \"" << c.plain << '"');
        StoredItems items;
        items.scalars[0] = stored(c.plain);
        ReferenceData out;
        if (c.value) {
            UnpackReferenceData(items.view(), out);
            EXPECT_EQ(out.MinInsuranceYears, *c.value);
        } else {
            expectUnpackingRefused([&] { UnpackReferenceData(items.view(), out); });
        }
    }
}

TEST(UnpackReferenceDataTest, ReplacingS4ChangesParameters4678Together) {
    for (const std::int32_t age : {60, 61}) {
        SCOPED_TRACE(testing::Message() << "S4 = " << age);
        StoredItems items;
        items.scalars[3] = stored(std::to_string(age));
        ReferenceData out;
        UnpackReferenceData(items.view(), out);
        EXPECT_EQ(out.PensionAgeMale, age);
        EXPECT_EQ(out.Opt1WindowMonths, age);
        EXPECT_EQ(out.Opt2MaxExcludedMonths, age);
        EXPECT_EQ(out.Opt2MinKeptMonths, age);
        EXPECT_EQ(out.PensionAgeFemale, 55) << "S5 is not touched";
    }
}

TEST(UnpackReferenceDataTest, ValuesUnpackedBeforeAFailureStay) {
    {
        SCOPED_TRACE("S3 is not Base64");
        StoredItems items;
        items.scalars[2] = "not Base64!";
        ReferenceData out;
        expectUnpackingRefused([&] { UnpackReferenceData(items.view(), out); });
        EXPECT_EQ(out.MinInsuranceYears, 15);
        EXPECT_EQ(out.FullInsuranceYearsMale, 35);
        EXPECT_EQ(out.FullInsuranceYearsFemale, 0);
        EXPECT_EQ(out.PensionAgeMale, 0);
        EXPECT_EQ(out.Opt2MinKeptMonths, 0);
        EXPECT_EQ(out.texts[0], "");
    }
    {
        SCOPED_TRACE("B3 has a line that is not Base64");
        StoredItems items;
        items.blocks[2] = stored("mz_value1=1") + "\r\n" + "%%%%";
        ReferenceData out;
        expectUnpackingRefused([&] { UnpackReferenceData(items.view(), out); });
        EXPECT_EQ(out.Opt2MinKeptMonths, 60);
        EXPECT_EQ(out.texts[1], "azy_value1=1\r\n");
        EXPECT_EQ(out.texts[2], "");
        EXPECT_EQ(out.texts[5], "");
    }
}

TEST(DecodeReferenceBlockTest, EveryStoredLineGivesOnePlainLineEndingInCrLf) {
    const CipherKey key = ProgramCipherKey();
    EXPECT_EQ(DecodeReferenceBlock("", key), "");
    EXPECT_EQ(DecodeReferenceBlock(joinedBlock({"mz_value1=100"}), key), "mz_value1=100\r\n");
    EXPECT_EQ(
        DecodeReferenceBlock(
            joinedBlock({"mz_date_begin1=01.01.2000", "mz_date_end1=", "mz_value1=100"}), key),
        "mz_date_begin1=01.01.2000\r\nmz_date_end1=\r\nmz_value1=100\r\n");
}

TEST(DecodeReferenceBlockTest, EachLineIsDecipheredFromTheInitialState) {
    const CipherKey key = ProgramCipherKey();
    const std::string first = stored("mz_date_begin1=01.01.2000");
    const std::string second = stored("mz_date_begin2=01.01.2001");
    // 13 common plain bytes: 4 whole Base64 groups of 3 bytes each.
    EXPECT_EQ(first.substr(0, 16), second.substr(0, 16));
    EXPECT_NE(first.substr(16, 4), second.substr(16, 4));

    EXPECT_EQ(DecodeReferenceBlock(first + "\r\n" + second, key),
              "mz_date_begin1=01.01.2000\r\nmz_date_begin2=01.01.2001\r\n");
    EXPECT_EQ(DecodeReferenceBlock(second + "\r\n" + first, key),
              "mz_date_begin2=01.01.2001\r\nmz_date_begin1=01.01.2000\r\n");
}

TEST(DecodeReferenceBlockTest, RefusesBlocksThatAreNotCrLfSeparatedBase64Lines) {
    const std::string line = stored("mz_value1=100");
    const struct {
        const char* name;
        std::string block;
    } cases[] = {
        {"trailing line break", line + "\r\n"},
        {"empty line inside", line + "\r\n\r\n" + line},
        {"bare LF between lines", line + "\n" + line},
        {"bare CR between lines", line + "\r" + line},
        {"line that is not Base64", line + "\r\n" + "mz_value2=1"},
        {"line break only", "\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        expectUnpackingRefused([&] { DecodeReferenceBlock(c.block, ProgramCipherKey()); });
    }
}

} // namespace
} // namespace rv

#include "reference_container.h"

#include "base64.h"

#include <charconv>

namespace rv {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

[[noreturn]] void failUnpacking() {
    throw ReferenceUnpackError();
}

std::string decodeLine(std::string_view line, const CipherKey& key) {
    const auto enciphered = DecodeBase64(line);
    if (!enciphered)
        failUnpacking();
    return DecipherText(*enciphered, key);
}

// integer := ["-"] 1*DIGIT, within the range of a signed 32-bit integer
std::int32_t readInteger(std::string_view text) {
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end)
        failUnpacking();
    return value;
}

struct ParameterSource {
    std::int32_t ReferenceData::*parameter;
    std::size_t scalar; // 0 for S1
};

// Parameters 1..8 in unpacking order; 4, 6, 7 and 8 share S4.
constexpr ParameterSource kParameterSources[] = {
    {&ReferenceData::MinInsuranceYears, 0},        {&ReferenceData::FullInsuranceYearsMale, 1},
    {&ReferenceData::FullInsuranceYearsFemale, 2}, {&ReferenceData::PensionAgeMale, 3},
    {&ReferenceData::PensionAgeFemale, 4},         {&ReferenceData::Opt1WindowMonths, 3},
    {&ReferenceData::Opt2MaxExcludedMonths, 3},    {&ReferenceData::Opt2MinKeptMonths, 3},
};

} // namespace

void UnpackReferenceData(const StoredReferenceData& stored, ReferenceData& out) {
    UnpackReferenceTables(stored, out);
    UnpackLawTexts(stored, out);
}

void UnpackReferenceTables(const StoredReferenceData& stored, ReferenceData& out) {
    const CipherKey key = ProgramCipherKey();
    for (const auto& source : kParameterSources)
        out.*source.parameter = readInteger(decodeLine(stored.scalars[source.scalar], key));
    for (std::size_t i = 0; i < stored.blocks.size(); ++i)
        out.texts[i] = DecodeReferenceBlock(stored.blocks[i], key);
}

void UnpackLawTexts(const StoredReferenceData& stored, ReferenceData& out) {
    const CipherKey key = ProgramCipherKey();
    for (std::size_t i = 0; i < stored.lawBlocks.size(); ++i)
        out.lawTexts[i] = DecodeReferenceBlock(stored.lawBlocks[i], key);
}

std::string DecodeReferenceBlock(std::string_view block, const CipherKey& key) {
    std::string text;
    if (block.empty())
        return text;
    text.reserve(block.size()); // Base64 holds 3 bytes in 4 characters: room for the breaks too
    while (true) {
        const std::size_t lineEnd = block.find(kLineBreak);
        const std::string_view line = block.substr(0, lineEnd);
        if (line.empty()) // a stored block has no empty lines
            failUnpacking();
        text += decodeLine(line, key);
        text += kLineBreak;
        if (lineEnd == std::string_view::npos)
            return text;
        block.remove_prefix(lineEnd + kLineBreak.size());
    }
}

} // namespace rv

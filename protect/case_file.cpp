#include "case_file.h"

#include "digest.h"

#include <cstdint>
#include <istream>
#include <limits>
#include <stdexcept>
#include <streambuf>

namespace rv {

namespace {

constexpr std::size_t kDigestLength = 32;
constexpr std::size_t kDigestOffset = 1;
constexpr std::size_t kLengthsOffset = kDigestOffset + kDigestLength;

// The header keeps P and E raised by 25 and R lowered by 50.
constexpr std::int64_t kPersonBias = 25;
constexpr std::int64_t kPeriodsBias = 25;
constexpr std::int64_t kLedgerBias = -50;

// A read-only stream over bytes in memory, so StreamMD5Hex reads them without a copy.
class ViewStreamBuffer : public std::streambuf {
public:
    explicit ViewStreamBuffer(std::string_view bytes) {
        // The get area is only read: the buffer never writes back into it.
        char* begin = const_cast<char*>(bytes.data());
        setg(begin, begin, begin + bytes.size());
    }
};

std::string md5Hex(std::string_view bytes) {
    ViewStreamBuffer buffer(bytes);
    std::istream stream(&buffer);
    std::string hex = StreamMD5Hex(stream);
    if (hex.size() != kDigestLength)
        throw std::runtime_error("the MD5 digest could not be computed");
    return hex;
}

void appendInt32(std::string& out, std::int64_t value) {
    const auto bits = static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

std::int64_t readInt32(std::string_view bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i]))
                << (8 * i);
    return static_cast<std::int32_t>(bits);
}

} // namespace

std::string CaseDigest(std::string_view person, std::string_view periods, std::string_view ledger) {
    return XorStrings(XorStrings(md5Hex(person), md5Hex(periods)), md5Hex(ledger));
}

std::string PackCaseFile(std::string_view person, std::string_view periods, std::string_view ledger,
                         const CipherKey& key) {
    constexpr auto kLongest =
        static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() - kPersonBias);
    if (person.size() > kLongest || periods.size() > kLongest || ledger.size() > kLongest)
        throw std::length_error("a snapshot is too long for the case file header");

    std::string plain;
    plain.reserve(kCaseHeaderLength + person.size() + periods.size() + ledger.size());
    plain.push_back(static_cast<char>(kDigestLength));
    plain += CaseDigest(person, periods, ledger);
    appendInt32(plain, static_cast<std::int64_t>(person.size()) + kPersonBias);
    appendInt32(plain, static_cast<std::int64_t>(periods.size()) + kPeriodsBias);
    appendInt32(plain, static_cast<std::int64_t>(ledger.size()) + kLedgerBias);
    plain += person;
    plain += periods;
    plain += ledger;

    std::string file(plain.size(), '\0');
    EncipherBuffer(reinterpret_cast<const std::uint8_t*>(plain.data()), plain.size(),
                   reinterpret_cast<std::uint8_t*>(file.data()), file.size(), key);
    return file;
}

UnpackedCaseFile UnpackCaseFile(std::string_view fileBytes, const CipherKey& key) {
    UnpackedCaseFile result;
    std::string& plain = result.m_plain;
    plain.resize(fileBytes.size());
    DecipherBuffer(reinterpret_cast<const std::uint8_t*>(fileBytes.data()), fileBytes.size(),
                   reinterpret_cast<std::uint8_t*>(plain.data()), plain.size(), key);

    result.m_status = CaseFileStatus::OpeningFailed;
    if (plain.size() < kCaseHeaderLength)
        return result;
    // 64-bit sums: hostile integers cannot overflow.
    const std::int64_t stored[3] = {readInt32(plain, kLengthsOffset),
                                    readInt32(plain, kLengthsOffset + 4),
                                    readInt32(plain, kLengthsOffset + 8)};
    if (stored[0] + stored[1] + stored[2] + static_cast<std::int64_t>(kCaseHeaderLength) !=
        static_cast<std::int64_t>(plain.size()))
        return result;

    result.m_status = CaseFileStatus::LoadingFailed;
    const std::int64_t person = stored[0] - kPersonBias;
    const std::int64_t periods = stored[1] - kPeriodsBias;
    const std::int64_t ledger = stored[2] - kLedgerBias;
    if (person < 0 || periods < 0 || ledger < 0)
        return result;
    result.m_personLength = static_cast<std::size_t>(person);
    result.m_periodsLength = static_cast<std::size_t>(periods);
    result.m_ledgerLength = static_cast<std::size_t>(ledger);

    const std::string_view content(plain);
    const std::string_view personBytes = content.substr(kCaseHeaderLength, result.m_personLength);
    const std::string_view periodBytes =
        content.substr(kCaseHeaderLength + result.m_personLength, result.m_periodsLength);
    const std::string_view ledgerBytes =
        content.substr(kCaseHeaderLength + result.m_personLength + result.m_periodsLength);
    if (static_cast<unsigned char>(plain[0]) != kDigestLength ||
        content.substr(kDigestOffset, kDigestLength) !=
            CaseDigest(personBytes, periodBytes, ledgerBytes))
        return result;

    result.m_status = CaseFileStatus::Unpacked;
    return result;
}

} // namespace rv

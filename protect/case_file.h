#pragma once

#include "cipher.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace rv {

// The byte format of a case file. Plain content (integers signed 32-bit, little-endian):
//   u8 32, 32 bytes case digest, i32 P + 25, i32 E + 25, i32 R - 50,
//   P bytes person snapshot, E bytes period snapshot, R bytes ledger snapshot,
// enciphered in one pass with EncipherBuffer. The case digest is
// XorStrings(XorStrings(D1, D2), D3) of the StreamMD5Hex texts of the three snapshots.

inline constexpr std::size_t kCaseHeaderLength = 45;

// The case digest of three snapshots; throws std::runtime_error when the digest library fails.
std::string CaseDigest(std::string_view person, std::string_view periods, std::string_view ledger);

// The enciphered file content; throws std::length_error when a snapshot is too long for the
// header's integers.
std::string PackCaseFile(std::string_view person, std::string_view periods, std::string_view ledger,
                         const CipherKey& key = ProgramCipherKey());

enum class CaseFileStatus {
    Unpacked,
    OpeningFailed, // shorter than the header, or the stored lengths miss the file length
    LoadingFailed, // a negative snapshot length, a digest length other than 32, a digest mismatch
};

// The deciphered content of a case file and where its three snapshots lie in it.
class UnpackedCaseFile {
public:
    CaseFileStatus status() const { return m_status; }
    bool unpacked() const { return m_status == CaseFileStatus::Unpacked; }
    // Empty unless unpacked.
    std::string_view person() const { return part(m_personLength, 0); }
    std::string_view periods() const { return part(m_periodsLength, m_personLength); }
    std::string_view ledger() const {
        return part(m_ledgerLength, m_personLength + m_periodsLength);
    }

private:
    friend UnpackedCaseFile UnpackCaseFile(std::string_view, const CipherKey&);
    std::string_view part(std::size_t length, std::size_t offset) const {
        if (!unpacked())
            return {};
        return std::string_view(m_plain).substr(kCaseHeaderLength + offset, length);
    }

    CaseFileStatus m_status = CaseFileStatus::OpeningFailed;
    std::string m_plain;
    std::size_t m_personLength = 0;
    std::size_t m_periodsLength = 0;
    std::size_t m_ledgerLength = 0;
};

// Deciphers the file content and checks its size, lengths and digest; the snapshots' insides
// are not checked here.
UnpackedCaseFile UnpackCaseFile(std::string_view fileBytes,
                                const CipherKey& key = ProgramCipherKey());

} // namespace rv

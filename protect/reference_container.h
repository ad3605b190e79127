#pragma once

#include "cipher.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace rv {

// The stored items: scalars S1..S5, each the Base64 text of an enciphered decimal integer, and
// blocks B1..B6, each Base64 lines joined by CR LF (no trailing break), every line enciphered on
// its own from the key's initial state.
// Beside them, blocks L1..L2 hold the law's dated rules and the women's pension age table in
// the same line form; a container without them (an empty block) unpacks to empty texts.
struct StoredReferenceData {
    std::array<std::string_view, 5> scalars;
    std::array<std::string_view, 6> blocks;
    std::array<std::string_view, 2> lawBlocks;
};

// Stored reference data that cannot be unpacked; the data module tells the person.
class ReferenceUnpackError : public std::runtime_error {
public:
    ReferenceUnpackError() : std::runtime_error("the stored reference data cannot be unpacked") {}
};

// The items built into the program; defined by the source that the build packs from refdata/.
const StoredReferenceData& EmbeddedReferenceData();

// The unpacked values, written once at start-up and read-only afterwards.
struct ReferenceData {
    std::int32_t MinInsuranceYears = 0;        // years, art. 26
    std::int32_t FullInsuranceYearsMale = 0;   // years, art. 28
    std::int32_t FullInsuranceYearsFemale = 0; // years, art. 28
    std::int32_t PensionAgeMale = 0;           // years, art. 26
    std::int32_t PensionAgeFemale = 0;         // years, art. 26
    std::int32_t Opt1WindowMonths = 0;         // months, art. 40
    std::int32_t Opt2MaxExcludedMonths = 0;    // months, art. 40
    std::int32_t Opt2MinKeptMonths = 0;        // months, art. 40
    // Reference texts 1..6: cdsAvgZpMonth, cdsAvgZpYear, cdsMinZP, cdsKoeff, cdsMinPens,
    // cdsMaxIncome; lines "name<row>=value", each followed by CR LF.
    std::array<std::string, 6> texts;
    // Law texts 1..2: cdsLawRules, cdsWomenAge, in the same line form.
    std::array<std::string, 2> lawTexts;
};

// Fills the parameters from S1, S2, S3, S4, S5, S4, S4, S4, then texts 1..6 from B1..B6 and law
// texts 1..2 from L1..L2, in this order. Throws UserError(kCannotUnpackReference) at the first
// failure; what was unpacked before it stays in `out`.
void UnpackReferenceData(const StoredReferenceData& stored, ReferenceData& out);

// The same in two steps, for a reader that needs the law texts only later: the parameters and
// texts 1..6 first, the law texts 1..2 when first asked.
void UnpackReferenceTables(const StoredReferenceData& stored, ReferenceData& out);
void UnpackLawTexts(const StoredReferenceData& stored, ReferenceData& out);

// The plain reference text of one block: every line Base64-decoded and deciphered, followed by
// CR LF. Lines are separated by CR LF only; an empty line (a trailing break included) or a bare
// CR or LF makes the block undecodable. An empty block gives an empty text.
// Throws ReferenceUnpackError when a line does not decode.
std::string DecodeReferenceBlock(std::string_view block, const CipherKey& key);

} // namespace rv

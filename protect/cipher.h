#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace rv {

// The key of the byte stream cipher: K0, K1, K2.
struct CipherKey {
    std::uint16_t multiplier;   // K0
    std::uint16_t increment;    // K1
    std::uint16_t initialState; // K2
};

// The program's one key (case files and embedded reference data), built at run time.
CipherKey ProgramCipherKey();

// Both directions: each output byte is the input byte XOR the high byte of the state S
// (S = K2 at the start); then S = (((plain byte + low byte of S) mod 256) * K0 + K1) mod 65536,
// where the plain byte is the input when enciphering and the output when deciphering.
// False, with the destination untouched, when the two lengths differ. The key is not changed.
bool EncipherBuffer(const std::uint8_t* source, std::size_t sourceLength, std::uint8_t* destination,
                    std::size_t destinationLength, const CipherKey& key);
bool DecipherBuffer(const std::uint8_t* source, std::size_t sourceLength, std::uint8_t* destination,
                    std::size_t destinationLength, const CipherKey& key);

// The text enciphered (encipher set) or deciphered, of the same length.
std::string CipherText(std::string_view text, const CipherKey& key, bool encipher);
std::string DecipherText(std::string_view text, const CipherKey& key);

} // namespace rv

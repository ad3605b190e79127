#include "cipher.h"

namespace rv {
namespace {

// Each key word is stored as two halves of an exclusive-or, so the key never appears whole
// in the program; volatile keeps the compiler from folding the halves at build time.
const volatile std::uint16_t kKeyHalves[3][2] = {
    {0x5D2B, 0xC31C}, // K0 = 0x9E37: odd, with a high byte that spreads each byte over S
    {0x26D4, 0x7E35}, // K1 = 0x58E1
    {0xE19A, 0x525E}, // K2 = 0xB3C4
};

std::uint16_t keyWord(int index) {
    return static_cast<std::uint16_t>(kKeyHalves[index][0] ^ kKeyHalves[index][1]);
}

enum class Direction { Encipher, Decipher };

// Reads each source byte before writing its destination byte, so source may equal destination.
void runCipher(const std::uint8_t* source, std::uint8_t* destination, std::size_t length,
               const CipherKey& key, Direction direction) {
    std::uint16_t state = key.initialState;
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint8_t in = source[i];
        const auto out = static_cast<std::uint8_t>(in ^ (state >> 8));
        const std::uint8_t plain = direction == Direction::Encipher ? in : out;
        const auto sum = static_cast<std::uint8_t>(plain + (state & 0xFF));
        state = static_cast<std::uint16_t>(sum * key.multiplier + key.increment);
        destination[i] = out;
    }
}

} // namespace

CipherKey ProgramCipherKey() {
    return CipherKey{keyWord(0), keyWord(1), keyWord(2)};
}

bool EncipherBuffer(const std::uint8_t* source, std::size_t sourceLength, std::uint8_t* destination,
                    std::size_t destinationLength, const CipherKey& key) {
    if (sourceLength != destinationLength)
        return false;
    runCipher(source, destination, sourceLength, key, Direction::Encipher);
    return true;
}

bool DecipherBuffer(const std::uint8_t* source, std::size_t sourceLength, std::uint8_t* destination,
                    std::size_t destinationLength, const CipherKey& key) {
    if (sourceLength != destinationLength)
        return false;
    runCipher(source, destination, sourceLength, key, Direction::Decipher);
    return true;
}

std::string CipherText(std::string_view text, const CipherKey& key, bool encipher) {
    std::string result(text.size(), '\0');
    const auto* source = reinterpret_cast<const std::uint8_t*>(text.data());
    auto* destination = reinterpret_cast<std::uint8_t*>(result.data());
    const bool done = encipher
                          ? EncipherBuffer(source, text.size(), destination, result.size(), key)
                          : DecipherBuffer(source, text.size(), destination, result.size(), key);
    return done ? result : std::string();
}

std::string DecipherText(std::string_view text, const CipherKey& key) {
    return CipherText(text, key, false);
}

} // namespace rv

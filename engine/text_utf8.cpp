#include "text_utf8.h"

namespace rv {

namespace {
bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
} // namespace

std::size_t utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        if (!isContinuationByte(c))
            ++count;
    return count;
}

std::string truncateUtf8(std::string_view text, std::size_t maxCharacters) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isContinuationByte(text[i]) && characters++ == maxCharacters)
            return std::string(text.substr(0, i));
    }
    return std::string(text);
}

} // namespace rv

namespace rv {

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t codePoint = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            codePoint = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            codePoint = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            codePoint = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        static constexpr char32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (codePoint < kSmallest[length] || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

} // namespace rv

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace rv {

// Number of characters (code points) of a UTF-8 text.
std::size_t utf8Length(std::string_view text);

// The first `maxCharacters` characters of a UTF-8 text.
std::string truncateUtf8(std::string_view text, std::size_t maxCharacters);

} // namespace rv

namespace rv {

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isValidUtf8(std::string_view text);

} // namespace rv

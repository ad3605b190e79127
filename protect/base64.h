#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rv {

// Base64 of RFC 4648: standard alphabet, "=" padding, no line breaks.
std::string EncodeBase64(std::string_view bytes);

// Strict decoding: only the canonical form that EncodeBase64 writes is accepted.
// base64 := *(4char) [2char "==" / 3char "="] ; char := A-Z / a-z / 0-9 / "+" / "/"
// Refused (std::nullopt): a length that is not a multiple of 4, any other character (whitespace
// and line breaks included), "=" anywhere but at the end or more than two of them, and non-zero
// unused bits in the last character before the padding (so each byte string has one encoding).
std::optional<std::string> DecodeBase64(std::string_view text);

} // namespace rv

#pragma once

#include <istream>
#include <string>
#include <string_view>

namespace rv {

// The MD5 digest (RFC 1321) of the bytes from the stream's position to its end, as 32 upper-case
// hexadecimal characters. The stream is left at its end with eof and fail cleared (a read error
// keeps its flags). Empty only when the digest library itself fails.
std::string StreamMD5Hex(std::istream& stream);

// The bytes of a, each XOR the byte of b at the same position; b must be at least as long as a.
// The result has the length of a and may hold any byte, zero included.
std::string XorStrings(std::string_view a, std::string_view b);

} // namespace rv

#pragma once

#include <string>
#include <string_view>

namespace rv {

// Windows code page 1251, for the bytes the program writes for other programs (spreadsheet
// export, earnings dump). The byte 0x98, unassigned in the code page, stands for U+0098 both
// ways, as Windows and the WHATWG Encoding Standard map it, so every byte round-trips.

// UTF-8 to 1251: a character without a 1251 byte, and each byte of malformed UTF-8, becomes '?'.
std::string toCp1251(std::string_view utf8);

// 1251 to UTF-8.
std::string fromCp1251(std::string_view bytes);

} // namespace rv

#include "digest.h"

#include <openssl/evp.h>

#include <array>
#include <cassert>
#include <memory>

namespace rv {
namespace {

struct DigestContextDeleter {
    void operator()(EVP_MD_CTX* context) const { EVP_MD_CTX_free(context); }
};
using DigestContext = std::unique_ptr<EVP_MD_CTX, DigestContextDeleter>;

} // namespace

std::string StreamMD5Hex(std::istream& stream) {
    const DigestContext context(EVP_MD_CTX_new());
    if (!context || EVP_DigestInit_ex(context.get(), EVP_md5(), nullptr) != 1)
        return {};

    std::array<char, 64 * 1024> chunk;
    while (stream) {
        stream.read(chunk.data(), chunk.size());
        const auto count = static_cast<std::size_t>(stream.gcount());
        if (count > 0 && EVP_DigestUpdate(context.get(), chunk.data(), count) != 1)
            return {};
    }
    if (!stream.bad())
        stream.clear();

    std::array<unsigned char, EVP_MAX_MD_SIZE> digest;
    unsigned int digestLength = 0;
    if (EVP_DigestFinal_ex(context.get(), digest.data(), &digestLength) != 1)
        return {};

    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(2 * digestLength);
    for (unsigned int i = 0; i < digestLength; ++i) {
        hex += kHexDigits[digest[i] >> 4];
        hex += kHexDigits[digest[i] & 0x0F];
    }
    return hex;
}

std::string XorStrings(std::string_view a, std::string_view b) {
    assert(b.size() >= a.size());
    std::string result(a);
    for (std::size_t i = 0; i < result.size(); ++i)
        result[i] = static_cast<char>(result[i] ^ b[i]);
    return result;
}

} // namespace rv

#include "net/Base64.h"

#include <algorithm>
#include <cstdint>

namespace net {

namespace {

constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

}  // namespace

std::string base64Encode(std::string_view bytes) {
    std::string encoded;
    encoded.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::size_t count = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            std::uint32_t byte = k < count ? static_cast<unsigned char>(bytes[i + k]) : 0;
            group = (group << 8) | byte;
        }
        for (std::size_t k = 0; k < 4; ++k) {
            encoded += k <= count ? Alphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
        }
    }
    return encoded;
}

}  // namespace net

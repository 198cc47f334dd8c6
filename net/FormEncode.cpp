#include "net/FormEncode.h"

namespace net {

namespace {

bool isAsciiAlphanumeric(unsigned char byte) {
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
           (byte >= 'a' && byte <= 'z');
}

}  // namespace

std::string TFormEncoder::Encode(std::string_view bytes) {
    constexpr char HexDigits[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(bytes.size() * 3);
    for (char character : bytes) {
        auto byte = static_cast<unsigned char>(character);
        if (isAsciiAlphanumeric(byte)) {
            encoded += character;
        } else if (byte == ' ') {
            encoded += '+';
        } else {
            encoded += '%';
            encoded += HexDigits[byte >> 4];
            encoded += HexDigits[byte & 0x0F];
        }
    }
    return encoded;
}

}  // namespace net

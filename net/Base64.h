#pragma once
// Base64 of RFC 2045, on one line, for the credentials of a request header.

#include <string>
#include <string_view>

namespace net {

std::string base64Encode(std::string_view bytes);

}  // namespace net

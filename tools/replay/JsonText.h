#pragma once
// Text as a JSON string. A file name is bytes, not always UTF-8: a byte that starts no UTF-8
// character becomes U+FFFD, so that the line stays valid JSON.

#include <string>
#include <string_view>

namespace tools {

// The string with its quotes.
std::string jsonString(std::string_view text);

}  // namespace tools

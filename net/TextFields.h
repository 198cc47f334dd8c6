#pragma once
// Field and character positions and numbers in a text, as the HTTP client splits URLs and
// header lines.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace net {

// The n-th field (from 1) of text split at every delimiter; consecutive delimiters make empty
// fields; a missing field is empty.
std::string NthField(std::string_view text, char delimiter, int n);

// The 1-based position of the n-th occurrence of character; the text's length + 1 when there
// are fewer, or when the n-th is the text's last character.
std::size_t NthCharPos(std::string_view text, char character, int n);

// The value of a run of decimal digits and nothing else; none for anything else, or when it is
// too large.
std::optional<std::int32_t> decimalNumber(std::string_view digits);

}  // namespace net

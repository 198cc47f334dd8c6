#pragma once
// UTF-8 text and its characters: the dialog's boxes count and filter characters, not bytes.

#include <string>
#include <string_view>

namespace ranking {

// A byte that starts no valid sequence reads as U+FFFD.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view characters);

}  // namespace ranking

#pragma once
// UTF-8 text and its characters: the dialog's boxes count and filter characters, the canvas
// draws them, the server checks lengths in them.

#include <string>
#include <string_view>

namespace text {

// What a byte that starts no valid sequence reads as.
enum class MalformedUtf8 {
    Replace,   // U+FFFD, as an editor shows it
    KeepByte,  // the byte's own value, so that nothing drawn is lost silently
};

std::u32string decodeUtf8(std::string_view text, MalformedUtf8 malformed = MalformedUtf8::Replace);
std::string encodeUtf8(std::u32string_view characters);

}  // namespace text

#include "tools/replay/JsonText.h"

#include <cstdio>

#include "text/Utf8.h"

namespace tools {

std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char32_t character : text::decodeUtf8(text)) {
        if (character == U'"' || character == U'\\') {
            quoted += '\\';
            quoted += static_cast<char>(character);
        } else if (character < 0x20 || character == 0x7F) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", static_cast<unsigned>(character));
            quoted += code;
        } else {
            quoted += text::encodeUtf8(std::u32string_view(&character, 1));
        }
    }
    return quoted + "\"";
}

}  // namespace tools

#include "text/MessageLines.h"

namespace text {

std::string joinedLines(std::initializer_list<std::string_view> lines) {
    std::string text;
    bool first = true;
    for (const std::string_view line : lines) {
        if (!first) {
            text += '\r';
        }
        text += line;
        first = false;
    }
    return text;
}

}  // namespace text

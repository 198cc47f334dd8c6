#include "text/MessageLines.h"

namespace text {

std::string joinedLines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (const std::string_view line : lines) {
        if (&line != lines.begin()) {
            text += '\r';
        }
        text += line;
    }
    return text;
}

}  // namespace text

#pragma once
// A text without the blanks at its ends, as header values and typed lines are read.

#include <string_view>

namespace text {

inline std::string_view trimmed(std::string_view text, std::string_view blanks = " \t") {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace text

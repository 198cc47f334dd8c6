#include "net/TextFields.h"

#include <algorithm>
#include <charconv>

namespace net {

std::string NthField(std::string_view text, char delimiter, int n) {
    if (n < 1) {
        return {};
    }
    for (int field = 1; field < n; ++field) {
        std::size_t end = text.find(delimiter);
        if (end == std::string_view::npos) {
            return {};
        }
        text.remove_prefix(end + 1);
    }
    return std::string(text.substr(0, text.find(delimiter)));
}

std::size_t NthCharPos(std::string_view text, char character, int n) {
    std::size_t notFound = text.size() + 1;
    if (n < 1) {
        return notFound;
    }
    std::size_t index = text.find(character);
    for (int found = 1; found < n && index != std::string_view::npos; ++found) {
        index = text.find(character, index + 1);
    }
    if (index == std::string_view::npos || index + 1 == text.size()) {
        return notFound;
    }
    return index + 1;
}

std::optional<std::int32_t> decimalNumber(std::string_view digits) {
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (digits.empty() || !std::ranges::all_of(digits, isDigit)) {
        return std::nullopt;
    }
    std::int32_t value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace net

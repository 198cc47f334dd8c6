#include "text/Placeholders.h"

namespace text {

namespace {

// The length of the place at `at` ("%s" or "%N$s") and the value's index; length 0: no place.
struct Place {
    std::size_t length = 0;
    std::size_t index = 0;
};

Place placeAt(std::string_view pattern, std::size_t at, std::size_t next) {
    const std::string_view rest = pattern.substr(at + 1);
    if (rest.starts_with('s')) {
        return {2, next};
    }
    if (rest.size() >= 3 && rest[0] >= '1' && rest[0] <= '9' && rest.substr(1, 2) == "$s") {
        return {4, static_cast<std::size_t>(rest[0] - '1')};
    }
    return {};
}

}  // namespace

std::string filled(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string result;
    std::size_t next = 0;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        if (pattern[at] != '%') {
            result += pattern[at];
            continue;
        }
        if (pattern.substr(at + 1).starts_with('%')) {
            result += '%';
            ++at;
            continue;
        }
        const Place place = placeAt(pattern, at, next);
        if (place.length == 0 || place.index >= values.size()) {
            result += '%';
            continue;
        }
        result += *(values.begin() + place.index);
        next = place.length == 2 ? next + 1 : next;
        at += place.length - 1;
    }
    return result;
}

}  // namespace text

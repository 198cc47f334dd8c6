#include "net/HeaderList.h"

#include <algorithm>
#include <cctype>

namespace net {

namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
}

std::string_view nameOf(std::string_view line) {
    return line.substr(0, line.find(':'));
}

}  // namespace

void THeaderList::SetValue(std::string_view name, std::string_view value) {
    auto found = std::ranges::find_if(
        lines_, [name](const std::string& line) { return sameIgnoringCase(nameOf(line), name); });
    if (value.empty()) {
        if (found != lines_.end()) {
            lines_.erase(found);
        }
        return;
    }
    std::string line = std::string(name) + ": " + std::string(value);
    if (found != lines_.end()) {
        *found = std::move(line);
    } else {
        lines_.push_back(std::move(line));
    }
}

std::string THeaderList::Text() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

}  // namespace net

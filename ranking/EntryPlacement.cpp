#include "ranking/EntryPlacement.h"

#include <strings.h>

#include <algorithm>
#include <cctype>
#include <charconv>

#include "protocol/RankingProtocol.h"
#include "text/Trim.h"

namespace ranking {

namespace {

// Header lines keep the line end the server sent.
std::string_view trimmed(std::string_view part) {
    return text::trimmed(part, " \t\r");
}

// The value of the first header line named name; none when there is none.
std::optional<std::string_view> headerValue(std::string_view header, std::string_view name) {
    while (!header.empty()) {
        const std::size_t end = header.find('\n');
        const std::string_view line = header.substr(0, end);
        header.remove_prefix(end == std::string_view::npos ? header.size() : end + 1);
        const std::size_t colon = line.find(':');
        const std::string_view lineName = trimmed(line.substr(0, colon));
        if (colon != std::string_view::npos && lineName.size() == name.size() &&
            ::strncasecmp(lineName.data(), name.data(), name.size()) == 0) {
            return trimmed(line.substr(colon + 1));
        }
    }
    return std::nullopt;
}

// Digits only, above 0 and within 64 bits.
std::optional<std::int64_t> positiveNumber(std::optional<std::string_view> text) {
    if (!text || text->empty() ||
        !std::ranges::all_of(*text, [](unsigned char c) { return std::isdigit(c) != 0; })) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    const std::errc error = std::from_chars(text->data(), text->data() + text->size(), value).ec;
    if (error != std::errc() || value < 1) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<EntryPlacement> placementOf(std::string_view replyHeader) {
    const auto rank = positiveNumber(headerValue(replyHeader, protocol::RankHeader));
    const auto id = positiveNumber(headerValue(replyHeader, protocol::EntryIdHeader));
    if (!rank || !id) {
        return std::nullopt;
    }
    return EntryPlacement{*rank, *id};
}

}  // namespace ranking

#include "server/PageLanguage.h"

#include <charconv>

#include "text/Trim.h"

namespace server {

namespace {

// The weight of one "tag;q=0.8" item, 1 without a q; a malformed weight counts as 0.
double weightOf(std::string_view parameters) {
    const auto q = parameters.find("q=");
    if (q == std::string_view::npos) {
        return 1.0;
    }
    const std::string_view value = text::trimmed(parameters.substr(q + 2));
    double weight = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), weight);
    return error == std::errc() && end == value.data() + value.size() ? weight : 0.0;
}

bool isJapanese(std::string_view tag) {
    return tag.size() >= 2 && (tag[0] == 'j' || tag[0] == 'J') &&
           (tag[1] == 'a' || tag[1] == 'A') && (tag.size() == 2 || tag[2] == '-' || tag[2] == '_');
}

}  // namespace

Language preferredLanguage(std::string_view acceptLanguage) {
    Language best = Language::Japanese;
    double bestWeight = 0;
    while (!acceptLanguage.empty()) {
        const auto comma = acceptLanguage.find(',');
        const std::string_view item = acceptLanguage.substr(0, comma);
        acceptLanguage =
            comma == std::string_view::npos ? std::string_view() : acceptLanguage.substr(comma + 1);
        const auto semicolon = item.find(';');
        const std::string_view tag = text::trimmed(item.substr(0, semicolon));
        const double weight =
            semicolon == std::string_view::npos ? 1.0 : weightOf(item.substr(semicolon + 1));
        if (tag.empty() || tag == "*" || weight <= bestWeight) {
            continue;
        }
        best = isJapanese(tag) ? Language::Japanese : Language::English;
        bestWeight = weight;
    }
    return best;
}

std::string_view codeOf(Language language) {
    return language == Language::English ? "en" : "ja";
}

}  // namespace server

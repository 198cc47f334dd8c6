#include "game/IniDocument.h"

#include <ini.h>

#include <algorithm>

namespace game {

std::pair<IniDocument, std::optional<int>> IniDocument::parse(const std::string& text) {
    IniDocument document;
    const int firstError = ini_parse_string(
        text.c_str(),
        [](void* user, const char* section, const char* name, const char* value) {
            static_cast<IniDocument*>(user)->set(section, name, value);
            return 1;
        },
        &document);
    // A NUL byte would end inih's reading early: the rest would be lost unseen.
    const bool cut = text.find('\0') != std::string::npos;
    if (firstError > 0 || cut) {
        return {std::move(document), firstError > 0 ? firstError : 0};
    }
    return {std::move(document), std::nullopt};
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    for (const Section& candidate : sections_) {
        if (candidate.name != section) {
            continue;
        }
        for (const auto& [name, value] : candidate.keys) {
            if (name == key) {
                return value;
            }
        }
    }
    return std::nullopt;
}

void IniDocument::set(std::string_view sectionName, std::string_view key, std::string value) {
    auto& keys = section(sectionName).keys;
    auto found = std::find_if(keys.begin(), keys.end(),
                              [key](const auto& entry) { return entry.first == key; });
    if (found != keys.end()) {
        found->second = std::move(value);
    } else {
        keys.emplace_back(key, std::move(value));
    }
}

IniDocument::Section& IniDocument::section(std::string_view name) {
    auto found = std::find_if(sections_.begin(), sections_.end(),
                              [name](const Section& candidate) { return candidate.name == name; });
    if (found != sections_.end()) {
        return *found;
    }
    // Keys outside any section must come before the first header.
    if (name.empty()) {
        return *sections_.insert(sections_.begin(), Section{std::string(name), {}});
    }
    return sections_.emplace_back(Section{std::string(name), {}});
}

std::string IniDocument::text() const {
    std::string out;
    for (const Section& section : sections_) {
        if (!section.name.empty()) {
            out += (out.empty() ? "[" : "\n[") + section.name + "]\n";
        }
        for (const auto& [key, value] : section.keys) {
            out += key + " = " + value + "\n";
        }
    }
    return out;
}

}  // namespace game

#pragma once
// An INI file as a list of sections and their keys in the order they were read, so that a
// rewrite keeps what this program does not know (other sections, other keys). inih parses;
// writing is ours. Comments and blank lines are not kept.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace game {

class IniDocument {
  public:
    // Nothing when the text parses, else the number of the first line that does not.
    static std::pair<IniDocument, std::optional<int>> parse(const std::string& text);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // Replaces the key's value, or adds the key at the end of its section (made when missing).
    void set(std::string_view section, std::string_view key, std::string value);
    // "key = value" lines under "[section]" headers; keys before any section first.
    std::string text() const;

  private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };
    Section& section(std::string_view name);

    std::vector<Section> sections_;
};

}  // namespace game

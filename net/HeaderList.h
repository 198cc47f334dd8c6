#pragma once
// The lines of a request header being composed, in order, without line ends.

#include <string>
#include <string_view>
#include <vector>

namespace net {

class THeaderList {
  public:
    void Clear() { lines_.clear(); }
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    // Sets the first line whose name (the text before its first ":", in any case) is name to
    // "name: value", appending one when there is none; an empty value deletes that line.
    void SetValue(std::string_view name, std::string_view value);
    const std::vector<std::string>& Lines() const { return lines_; }
    // Every line followed by CR LF.
    std::string Text() const;

  private:
    std::vector<std::string> lines_;
};

}  // namespace net

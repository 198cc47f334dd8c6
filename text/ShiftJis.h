#pragma once
// Shift-JIS (code page 932): the player's name is kept and sent in it, the dialog's boxes edit
// Unicode text that must keep a Shift-JIS form.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace text {

// A text with a character that has no Shift-JIS form.
class EConvertError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// UTF-8 text as Shift-JIS bytes; throws EConvertError.
std::string toShiftJis(std::string_view utf8);
// Shift-JIS bytes as UTF-8 text. A byte that starts no valid character reads as "・", as the
// desktop shows such bytes.
std::string fromShiftJis(std::string_view shiftJis);
// Shift-JIS bytes as UTF-8 text, or nothing when a byte starts no valid character.
std::optional<std::string> tryFromShiftJis(std::string_view shiftJis);
bool hasShiftJisForm(char32_t character);
// Every character that has a Shift-JIS form, each once.
std::vector<char32_t> shiftJisRepertoire();

}  // namespace text

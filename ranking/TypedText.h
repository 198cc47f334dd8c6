#pragma once
// What a one-line text box takes of what the player types: characters that have a Shift-JIS
// form (so that the text can be stored and sent), no control characters, and no more than its
// length limit holds. Text that the program puts into a box is not shortened.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ranking {

// The first character of typed that the ranking cannot carry (no Shift-JIS form), so that the
// player can be told which one was refused; control characters are dropped without a word.
std::optional<char32_t> firstUnsendable(std::u32string_view typed);

// The admitted characters of typed, at most room of them.
std::u32string admitTyped(std::u32string_view typed, std::size_t room);

struct AdmittedEdit {
    std::u32string text;
    std::size_t caret = 0;  // in characters, just after what the edit inserted
};

// An edit seen as the text before and after it, whatever it was (keys, an input method, a
// paste): the part it inserted is admitted as typed, into the room the rest leaves.
AdmittedEdit admitEdit(std::u32string_view before, std::u32string_view after,
                       std::size_t maxLength);

}  // namespace ranking

#include "ranking/TypedText.h"

#include <algorithm>

#include "text/ShiftJis.h"

namespace ranking {

namespace {

bool isControl(char32_t character) {
    return character < 0x20 || character == 0x7F;
}

}  // namespace

std::optional<char32_t> firstUnsendable(std::u32string_view typed) {
    for (char32_t character : typed) {
        if (!isControl(character) && !text::hasShiftJisForm(character)) {
            return character;
        }
    }
    return std::nullopt;
}

std::u32string admitTyped(std::u32string_view typed, std::size_t room) {
    std::u32string admitted;
    for (char32_t character : typed) {
        if (admitted.size() == room) {
            break;
        }
        if (!isControl(character) && text::hasShiftJisForm(character)) {
            admitted += character;
        }
    }
    return admitted;
}

AdmittedEdit admitEdit(std::u32string_view before, std::u32string_view after,
                       std::size_t maxLength) {
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    const std::size_t kept = prefix + suffix;
    const std::size_t room = maxLength > kept ? maxLength - kept : 0;
    const std::u32string inserted = admitTyped(after.substr(prefix, after.size() - kept), room);
    AdmittedEdit edit;
    edit.text = std::u32string(after.substr(0, prefix)) + inserted +
                std::u32string(after.substr(after.size() - suffix));
    edit.caret = prefix + inserted.size();
    return edit;
}

}  // namespace ranking

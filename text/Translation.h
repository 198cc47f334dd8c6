#pragma once
// The texts a player reads, in the language chosen at start. The message ids are the Japanese
// texts, so Japanese needs no catalogue and reads exactly as before.

namespace text {

// The marked text in the chosen language; the Japanese text itself where no catalogue applies.
const char* tr(const char* japanese);

// Marks a text for the catalogue where a table keeps it; tr() turns it when it is shown.
constexpr const char* trLater(const char* japanese) {
    return japanese;
}

}  // namespace text

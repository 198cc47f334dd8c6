#pragma once
// The texts a player reads, in the language chosen at start. The message ids are the Japanese
// texts, so Japanese needs no catalogue and reads exactly as before.

#include <optional>
#include <string>

#include "text/Language.h"

namespace text {

// The marked text in the chosen language; the Japanese text itself where no catalogue applies.
const char* tr(const char* japanese);

// Marks a text for the catalogue where a table keeps it; tr() turns it when it is shown.
constexpr const char* trLater(const char* japanese) {
    return japanese;
}

// From now on tr() answers in this language. Until the first call it answers in Japanese.
void useLanguage(const SpokenLanguage& language);

// While it lives, the environment holds the player's own LANGUAGE rather than the one the game
// set for its catalogue, so that a program the game starts speaks as the player chose.
class PlayerLanguageScope {
  public:
    PlayerLanguageScope();
    ~PlayerLanguageScope();
    PlayerLanguageScope(const PlayerLanguageScope&) = delete;
    PlayerLanguageScope& operator=(const PlayerLanguageScope&) = delete;

  private:
    std::optional<std::string> gameLanguage_;
};

}  // namespace text

#pragma once
// The languages of the ranking page: Japanese, the game's own, and English. A visitor's
// browser chooses through Accept-Language; `lang=ja|en` in the query overrides it.

#include <string_view>

#include "text/Language.h"

namespace server {

// The game's two languages, named as the game names them (`ja`, `en`).
using text::Language;
using text::languageNamed;

// The language a browser prefers most among those it names (by q-value, then order): Japanese
// for "ja" and its variants, English for any other; Japanese when it names none.
Language preferredLanguage(std::string_view acceptLanguage);

std::string_view codeOf(Language language);

}  // namespace server

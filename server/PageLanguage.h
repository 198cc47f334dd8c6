#pragma once
// The languages of the ranking page: Japanese, the game's own, and English. A visitor's
// browser chooses through Accept-Language; `lang=ja|en` in the query overrides it.

#include <optional>
#include <string_view>

namespace server {

enum class Language { Japanese, English };

// The language a browser prefers most among those it names (by q-value, then order): Japanese
// for "ja" and its variants, English for any other; Japanese when it names none.
Language preferredLanguage(std::string_view acceptLanguage);

// "ja" or "en"; nothing for another value.
std::optional<Language> languageNamed(std::string_view code);
std::string_view codeOf(Language language);

}  // namespace server

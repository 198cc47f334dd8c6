#pragma once
// Which language the game speaks: --lang, else the settings' language, else the environment's.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace text {

enum class Language { Japanese, English };

// What the game speaks. Outside Japanese, the environment may name a language whose catalogue
// is looked for before the English one, so that a translation added to po/ needs no code.
struct SpokenLanguage {
    // Implicit: a language alone is spoken with no other before it.
    SpokenLanguage(Language language, std::string preferred = {})
        : language(language), preferred(std::move(preferred)) {}
    bool operator==(const SpokenLanguage&) const = default;

    Language language;
    // gettext's list of languages to try before English ("de_DE", "fr:de"); empty for English.
    std::string preferred;
};

// The value of an environment variable, or null when it is not set (std::getenv's contract).
using EnvironmentLookup = std::function<const char*(const char*)>;

// "ja" or "en"; nothing for any other code.
std::optional<Language> languageNamed(std::string_view code);

// The first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG that is set and not empty: Japanese when
// it starts with "ja"; otherwise English after the language it names (none for "C", "POSIX"
// and when no variable is set).
SpokenLanguage environmentLanguage(const EnvironmentLookup& variable);

// --lang wins over the settings file, which wins over the environment.
SpokenLanguage chosenLanguage(std::optional<Language> commandLine, std::optional<Language> settings,
                              const EnvironmentLookup& variable);

}  // namespace text

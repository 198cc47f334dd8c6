#pragma once
// Which language the game speaks: --lang, else the settings' language, else the environment's.

#include <functional>
#include <optional>
#include <string_view>

namespace text {

enum class Language { Japanese, English };

// The value of an environment variable, or null when it is not set (std::getenv's contract).
using EnvironmentLookup = std::function<const char*(const char*)>;

// "ja" or "en"; nothing for any other code.
std::optional<Language> languageNamed(std::string_view code);

// The first of LANGUAGE, LC_ALL, LC_MESSAGES and LANG that is set and not empty: Japanese when
// it starts with "ja", English for anything else ("C" and "POSIX" too) and when none is set.
Language environmentLanguage(const EnvironmentLookup& variable);

// --lang wins over the settings file, which wins over the environment.
Language chosenLanguage(std::optional<Language> commandLine, std::optional<Language> settings,
                        const EnvironmentLookup& variable);

}  // namespace text

#include "text/Language.h"

namespace text {

std::optional<Language> languageNamed(std::string_view code) {
    if (code == "ja") {
        return Language::Japanese;
    }
    if (code == "en") {
        return Language::English;
    }
    return std::nullopt;
}

namespace {

// A locale's language and territory ("de_DE.UTF-8@euro" is "de_DE"); nothing for C and POSIX,
// which name none. LANGUAGE is already gettext's list.
std::string languagesNamedBy(std::string_view variable, std::string_view value) {
    if (variable == "LANGUAGE") {
        return std::string(value);
    }
    const std::string_view language = value.substr(0, value.find_first_of(".@"));
    return language == "C" || language == "POSIX" ? std::string() : std::string(language);
}

}  // namespace

SpokenLanguage environmentLanguage(const EnvironmentLookup& variable) {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = variable(name);
        if (value != nullptr && *value != '\0') {
            if (std::string_view(value).starts_with("ja")) {
                return Language::Japanese;
            }
            return {Language::English, languagesNamedBy(name, value)};
        }
    }
    return Language::English;
}

SpokenLanguage chosenLanguage(std::optional<Language> commandLine, std::optional<Language> settings,
                              const EnvironmentLookup& variable) {
    if (commandLine) {
        return *commandLine;
    }
    return settings ? *settings : environmentLanguage(variable);
}

}  // namespace text

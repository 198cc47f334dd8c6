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

Language environmentLanguage(const EnvironmentLookup& variable) {
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = variable(name);
        if (value != nullptr && *value != '\0') {
            return std::string_view(value).starts_with("ja") ? Language::Japanese
                                                             : Language::English;
        }
    }
    return Language::English;
}

Language chosenLanguage(std::optional<Language> commandLine, std::optional<Language> settings,
                        const EnvironmentLookup& variable) {
    if (commandLine) {
        return *commandLine;
    }
    return settings ? *settings : environmentLanguage(variable);
}

}  // namespace text

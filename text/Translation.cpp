#include "text/Translation.h"

#include <libintl.h>

#include <clocale>
#include <cstdlib>

#include "text/CatalogueFolder.h"

// glibc's count of catalogue changes: raised, it makes gettext forget the texts it has found, so
// that a language changed inside one process takes effect.
extern "C" int _nl_msg_cat_cntr;  // NOLINT(bugprone-reserved-identifier): glibc's own name

namespace text {

namespace {

constexpr const char* Domain = "pudorock";
constexpr const char* LanguageVariable = "LANGUAGE";

std::optional<std::string> environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

void setEnvironmentValue(const char* name, const std::optional<std::string>& value) {
    if (value) {
        setenv(name, value->c_str(), 1);
    } else {
        unsetenv(name);
    }
}

// The player's LANGUAGE as the game found it, before the game's own took its place.
const std::optional<std::string>& playerLanguage() {
    static const std::optional<std::string> own = environmentValue(LanguageVariable);
    return own;
}

void bindCatalogue() {
    static const bool bound = [] {
        bindtextdomain(Domain, catalogueFolder().c_str());
        bind_textdomain_codeset(Domain, "UTF-8");
        return true;
    }();
    (void)bound;
}

}  // namespace

const char* tr(const char* japanese) {
    return dgettext(Domain, japanese);
}

void useLanguage(const SpokenLanguage& language) {
    playerLanguage();
    bindCatalogue();
    if (language.language == Language::Japanese) {
        // The message ids themselves, and the C library's texts as in any program that never
        // chose a locale.
        std::setlocale(LC_MESSAGES, "C");
        setEnvironmentValue(LanguageVariable, playerLanguage());
    } else {
        // gettext reads LANGUAGE only where the messages' locale is not plain "C"; C.UTF-8 is
        // built into the C library, so no locale needs to be installed.
        std::setlocale(LC_MESSAGES, "C.UTF-8");
        const std::string languages =
            language.preferred.empty() ? "en" : language.preferred + ":en";
        setenv(LanguageVariable, languages.c_str(), 1);
    }
    ++_nl_msg_cat_cntr;
}

PlayerLanguageScope::PlayerLanguageScope() : gameLanguage_(environmentValue(LanguageVariable)) {
    setEnvironmentValue(LanguageVariable, playerLanguage());
}

PlayerLanguageScope::~PlayerLanguageScope() {
    setEnvironmentValue(LanguageVariable, gameLanguage_);
}

}  // namespace text

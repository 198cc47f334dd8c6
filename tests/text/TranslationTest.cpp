// The language's choice, the English catalogue in use and back, and the texts put together
// around translated patterns.

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "text/MessageLines.h"
#include "text/Placeholders.h"
#include "text/Translation.h"

namespace {

using text::Language;

TEST(TranslationTest, TheCommandLineWinsOverTheSettingsWhichWinOverTheEnvironment) {
    using Environment = std::map<std::string, std::string>;
    struct Case {
        std::optional<Language> commandLine;
        std::optional<Language> settings;
        Environment environment;
        text::SpokenLanguage expected;
    };
    const Case cases[] = {
        {Language::English, Language::Japanese, {{"LANG", "ja_JP.UTF-8"}}, Language::English},
        {Language::Japanese, std::nullopt, {{"LANG", "C"}}, Language::Japanese},
        {std::nullopt, Language::English, {{"LANGUAGE", "ja"}}, Language::English},
        {std::nullopt, Language::Japanese, {}, Language::Japanese},
        {std::nullopt, std::nullopt, {{"LANG", "ja_JP.UTF-8"}}, Language::Japanese},
        {std::nullopt, std::nullopt, {{"LANGUAGE", "ja:en"}, {"LANG", "C"}}, Language::Japanese},
        {std::nullopt,
         std::nullopt,
         {{"LANGUAGE", ""}, {"LC_ALL", "ja_JP.UTF-8"}},
         Language::Japanese},
        {std::nullopt,
         std::nullopt,
         {{"LC_MESSAGES", "en_GB.UTF-8"}, {"LANG", "ja_JP"}},
         {Language::English, "en_GB"}},
        {std::nullopt,
         std::nullopt,
         {{"LC_ALL", "de_DE.UTF-8@euro"}},
         {Language::English, "de_DE"}},
        {std::nullopt, std::nullopt, {{"LANGUAGE", "fr:de"}}, {Language::English, "fr:de"}},
        {std::nullopt, std::nullopt, {{"LANG", "C"}}, Language::English},
        {std::nullopt, std::nullopt, {{"LANG", "POSIX"}}, Language::English},
        {std::nullopt, std::nullopt, {}, Language::English},
    };
    for (const Case& c : cases) {
        const auto variable = [&c](const char* name) -> const char* {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? nullptr : found->second.c_str();
        };
        EXPECT_EQ(text::chosenLanguage(c.commandLine, c.settings, variable), c.expected)
            << "--lang " << c.commandLine.has_value() << ", settings " << c.settings.has_value()
            << ", " << c.environment.size() << " variables";
    }
}

TEST(TranslationTest, OnlyJaAndEnNameALanguage) {
    EXPECT_EQ(text::languageNamed("ja"), Language::Japanese);
    EXPECT_EQ(text::languageNamed("en"), Language::English);
    for (const char* other : {"", "JA", "en_US", "fr"}) {
        EXPECT_EQ(text::languageNamed(other), std::nullopt) << other;
    }
}

// The catalogue of the build folder, switched inside one process; the player's own LANGUAGE
// comes back for the programs the game starts.
TEST(TranslationTest, EnglishTranslatesAndJapaneseIsTheMessageIdItself) {
    setenv("LANGUAGE", "fr", 1);
    text::useLanguage(Language::English);
    EXPECT_STREQ(text::tr("消音"), "Sound off");
    EXPECT_STREQ(text::tr("not a message id"), "not a message id");
    {
        const text::PlayerLanguageScope playersOwn;
        EXPECT_STREQ(std::getenv("LANGUAGE"), "fr");
    }
    EXPECT_STREQ(std::getenv("LANGUAGE"), "en");
    // A language without a catalogue of ours falls back to English.
    text::useLanguage({Language::English, "de_DE"});
    EXPECT_STREQ(std::getenv("LANGUAGE"), "de_DE:en");
    EXPECT_STREQ(text::tr("消音"), "Sound off");
    text::useLanguage(Language::Japanese);
    EXPECT_STREQ(text::tr("消音"), "消音");
    EXPECT_STREQ(std::getenv("LANGUAGE"), "fr");
}

TEST(TranslationTest, PlacesAreFilledInOrderOrByNumber) {
    struct Case {
        const char* pattern;
        const char* expected;
    };
    for (const Case& c : {
             Case{"%s に保存しました", "a に保存しました"},
             Case{"%s and %s", "a and b"},
             Case{"%2$s before %1$s", "b before a"},
             Case{"%1$s.damaged (%1$s)", "a.damaged (a)"},
             Case{"100%% of %s", "100% of a"},
             Case{"%s %s %s", "a b %s"},
             Case{"%d stays, %", "%d stays, %"},
         }) {
        EXPECT_EQ(text::filled(c.pattern, {"a", "b"}), c.expected) << c.pattern;
    }
}

TEST(TranslationTest, LinesAreJoinedByTheBoxesBreak) {
    EXPECT_EQ(text::joinedLines({"one"}), "one");
    EXPECT_EQ(text::joinedLines({"one", "", "three"}), "one\r\rthree");
    EXPECT_EQ(text::joinedLines({}), "");
}

}  // namespace

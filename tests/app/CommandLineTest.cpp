#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "text/Translation.h"
#include "version/Version.h"

namespace {

using app::CommandLine;

struct Outcome {
    std::optional<CommandLine> options;
    int exitCode = -1;
    std::string out;
    std::string err;
};

Outcome parse(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "pudorock");
    Outcome outcome;
    std::ostringstream out;
    std::ostringstream err;
    outcome.options = app::parseCommandLine(static_cast<int>(arguments.size()), arguments.data(),
                                            out, err, outcome.exitCode);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

// One line naming the fault, then the usage line; nothing on standard output.
void expectRefused(const Outcome& outcome, const std::string& fault) {
    EXPECT_FALSE(outcome.options);
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(outcome.out, "");
    const std::size_t lineEnd = outcome.err.find('\n');
    ASSERT_NE(lineEnd, std::string::npos) << outcome.err;
    EXPECT_EQ(outcome.err.rfind("pudorock: ", 0), 0u) << outcome.err;
    EXPECT_NE(outcome.err.substr(0, lineEnd).find(fault), std::string::npos) << outcome.err;
    EXPECT_EQ(outcome.err.substr(lineEnd + 1), std::string(app::Synopsis) + "\n");
}

TEST(CommandLineTest, NoOptionsStartFullScreenInTheCurrentFolder) {
    const Outcome outcome = parse({});
    ASSERT_TRUE(outcome.options);
    EXPECT_FALSE(outcome.options->window);
    EXPECT_FALSE(outcome.options->dataDir);
    EXPECT_FALSE(outcome.options->userData);
    EXPECT_FALSE(outcome.options->rankingHost);
    EXPECT_EQ(outcome.out + outcome.err, "");
}

TEST(CommandLineTest, EachOptionIsTaken) {
    Outcome outcome =
        parse({"--window", "--data-dir", "saves dir", "--ranking-host", "example.org:8080"});
    ASSERT_TRUE(outcome.options);
    EXPECT_TRUE(outcome.options->window);
    EXPECT_EQ(outcome.options->dataDir, "saves dir");
    EXPECT_EQ(outcome.options->rankingHost, "example.org:8080");

    outcome = parse({"--user-data", "--ranking-host=[::1]:8080"});
    ASSERT_TRUE(outcome.options);
    EXPECT_TRUE(outcome.options->userData);
    EXPECT_FALSE(outcome.options->dataDir);
    EXPECT_EQ(outcome.options->rankingHost, "[::1]:8080");
}

TEST(CommandLineTest, VersionAndHelpAnswerOnStandardOutput) {
    Outcome outcome = parse({"--version"});
    EXPECT_FALSE(outcome.options);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.out, std::string("pudorock ") + version::Version + "\n");

    outcome = parse({"--window", "--help"});
    EXPECT_FALSE(outcome.options);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_NE(outcome.out.find(app::Synopsis), std::string::npos) << outcome.out;
    for (const char* shown : {"--window", "--data-dir DIR", "--user-data", "--ranking-host",
                              "--version", "--help", "Space", "1-9, 0", "Shift+Enter", "Alt+Enter",
                              "Alt+F1", "Esc", "--reduce-flashing", "P ", "F8", "F12"}) {
        EXPECT_NE(outcome.out.find(shown), std::string::npos) << shown;
    }
    // No line stops where its sentence goes on.
    std::istringstream lines(outcome.out);
    for (std::string line; std::getline(lines, line);) {
        for (const char* unfinished : {"'s", " the", " and", " or", ","}) {
            EXPECT_FALSE(line.ends_with(unfinished)) << line;
        }
    }
}

TEST(CommandLineTest, UnknownOptionsAndStrayWordsAreRefused) {
    expectRefused(parse({"--fullscreen"}), "--fullscreen");
    expectRefused(parse({"-w"}), "-w");
    expectRefused(parse({"-h"}), "-h");
    expectRefused(parse({"one.pdrp", "two.pdrp"}), "two.pdrp");
    expectRefused(parse({"--data-dir"}), "--data-dir");
    expectRefused(parse({"--bo\r\ngus"}), "--bo??gus");
}

TEST(CommandLineTest, AReplayIsWatchedWithTheOptionOrGivenAlone) {
    for (const auto& arguments : {std::vector<const char*>{"--replay", "game.pdrp"},
                                  std::vector<const char*>{"game.pdrp", "--window"},
                                  // as the menu entry opens a file
                                  std::vector<const char*>{"--user-data", "game.pdrp"}}) {
        const auto parsed = parse(arguments);
        ASSERT_TRUE(parsed.options);
        EXPECT_EQ(parsed.options->replay, "game.pdrp");
    }
    EXPECT_FALSE(parse({}).options->replay);
}

TEST(CommandLineTest, OnlyOneSaveFolderMayBeChosen) {
    expectRefused(parse({"--data-dir", "saves", "--user-data"}), "--user-data");
    expectRefused(parse({"--data-dir", ""}), "empty");
}

TEST(CommandLineTest, ARankingHostMustBeAHostAndAtMostAPort) {
    for (const char* host : {"example.org", "localhost:1", "127.0.0.1:65535", "[::1]"}) {
        EXPECT_TRUE(parse({"--ranking-host", host}).options) << host;
    }
    for (const char* host :
         {"", ":8080", "example.org:", "example.org:0", "example.org:65536", "example.org:http",
          "example.org/path", "a b", "user@example.org", "example.org\r\nX: y"}) {
        expectRefused(parse({"--ranking-host", host}), "HOST");
    }
}

std::optional<text::Language> languageOptionOf(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "pudorock");
    return app::languageOption(static_cast<int>(arguments.size()), arguments.data());
}

// --lang is seen before the full parse, among any other arguments, even refused ones.
TEST(CommandLineTest, TheLanguageIsJaOrEnAndReadFirst) {
    using text::Language;
    struct Case {
        std::vector<const char*> arguments;
        std::optional<Language> language;
    };
    for (const Case& c : {
             Case{{"--window", "--lang", "en", "--help"}, Language::English},
             Case{{"--lang=ja", "--no-such-option", "game.pdrp"}, Language::Japanese},
             Case{{"--data-dir", "d", "--lang", "en"}, Language::English},
             Case{{"--lang", "fr"}, std::nullopt},
             Case{{"--window"}, std::nullopt},
         }) {
        EXPECT_EQ(languageOptionOf(c.arguments), c.language) << c.arguments.size();
    }
    EXPECT_EQ(parse({"--lang", "en"}).options->language, Language::English);
    EXPECT_EQ(parse({}).options->language, std::nullopt);
    expectRefused(parse({"--lang", "fr"}), "--lang");
}

TEST(CommandLineTest, HelpSpeaksTheChosenLanguage) {
    text::useLanguage(text::Language::English);
    const Outcome english = parse({"--help"});
    text::useLanguage(text::Language::Japanese);
    EXPECT_EQ(english.out.rfind("Pudorock: press the digit", 0), 0u) << english.out;
    EXPECT_EQ(parse({"--help"}).out.rfind("プドロク: press the digit", 0), 0u);
}

}  // namespace

#include "app/CommandLine.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <ostream>

#include "text/Translation.h"
#include "version/Version.h"

namespace app {

namespace {

constexpr const char* Keys = text::trLater(R"(Keys:
  Space         skip the opening / start a game (title) / back to the opening (after game over)
  1-9, 0        answer during play (main row or keypad)
  Enter         show the best-ten board (title) / back to the title / a new game at once
                (after game over; R does the same)
  Shift+Enter   send your best result to the internet ranking (title)
  H, F1         how to play: the rules and the keys (title)
  Alt+Enter     switch between full screen and a window (anywhere but the title)
  P             pause, and go on (play; a click goes on too, and losing the focus pauses)
  F9, F10       volume down, up (anywhere); F8 sound off and on
  F12           save the screen as PNG in screenshots/ of the save folder
  Alt+F1        show the debug figures (play)
  Esc           quit (anywhere but the ranking dialog)

Watching a replay (--replay FILE, or FILE alone):
  Right, Left   faster, slower (x1, x2, x4, x8)
  P             pause and go on
  Space, Esc    end

After 30 seconds on the title without a key, the best entry that has a replay plays as a demo;
any key returns to the title. Every game that reaches its result is kept in replays/ of the save
folder while it stands in the best ten, and the last 20 games besides.)");

bool isPort(std::string_view text) {
    unsigned port = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() && port >= 1 &&
           port <= 65535;
}

// A host goes into the request line and the ranking page's URL as it is: nothing there may
// end it or add a path.
bool isHostPart(std::string_view host) {
    return !host.empty() && host.find_first_of("/?#@\\ ") == std::string_view::npos &&
           std::none_of(host.begin(), host.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x21 || c == 0x7f; });
}

std::string checkRankingHost(const std::string& text) {
    const std::size_t colon = text.rfind(':');
    const bool bracketed = !text.empty() && text.front() == '[';
    const std::size_t portAt =
        colon == std::string::npos || (bracketed && colon < text.rfind(']')) ? text.size() : colon;
    const std::string_view host = std::string_view(text).substr(0, portAt);
    if (!isHostPart(host) || (portAt < text.size() && !isPort(text.substr(portAt + 1)))) {
        // Not the text itself: it may hold line ends or terminal controls.
        return text::tr("expected HOST or HOST:PORT (port 1 to 65535)");
    }
    return {};
}

// The usage line CLI11 makes names no options, ours names each; an option shows only its
// value's name (the descriptions say what excludes what).
class GameFormatter : public CLI::Formatter {
  public:
    std::string make_usage(const CLI::App*, std::string) const override {
        return std::string(Synopsis) + "\n";
    }
    std::string make_option_opts(const CLI::Option* option) const override {
        return option->get_type_name().empty() ? "" : " " + option->get_type_name();
    }
};

// One line, whatever the refused argument holds.
std::string refusal(const CLI::App*, const CLI::Error& error) {
    std::string line = error.what();
    std::replace_if(
        line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, '?');
    return "pudorock: " + line + "\n" + Synopsis + "\n";
}

}  // namespace

std::optional<text::Language> languageOption(int argc, const char* const* argv) {
    CLI::App app;
    app.set_help_flag();
    app.allow_extras();
    std::string code;
    app.add_option("--lang", code);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError&) {
        return std::nullopt;
    }
    return text::languageNamed(code);
}

std::optional<CommandLine> parseCommandLine(int argc, const char* const* argv, std::ostream& out,
                                            std::ostream& err, int& exitCode) {
    CommandLine options;
    std::string dataDir;
    std::string rankingHost;
    std::string replay;
    std::string language;
    CLI::App app(text::tr("プドロク: press the digit of the colour with the most blocks."),
                 "pudorock");
    app.formatter(std::make_shared<GameFormatter>());
    app.failure_message(refusal);
    app.set_help_flag("--help", text::tr("List the options and the keys, then exit"));
    app.add_flag("--window", options.window,
                 text::tr("Start in a window (resizable) instead of full screen"));
    app.add_flag("--reduce-flashing", options.reduceFlashing,
                 text::tr("Show low life as a steady red frame instead of the pulse"));
    CLI::Option* dataDirOption =
        app.add_option("--data-dir", dataDir,
                       text::tr("Keep the save files in DIR (made 0700 when missing)"))
            ->type_name("DIR")
            ->check(CLI::Validator(
                [](const std::string& dir) {
                    return dir.empty() ? std::string(text::tr("the folder's name is empty")) : "";
                },
                ""));
    CLI::Option* userDataOption =
        app.add_flag("--user-data", options.userData,
                     text::tr("Keep them in $XDG_DATA_HOME/pudorock, or ~/.local/share/pudorock; "
                              "not with --data-dir"));
    dataDirOption->excludes(userDataOption);
    CLI::Option* rankingHostOption =
        app.add_option(
               "--ranking-host", rankingHost,
               text::tr(
                   "The ranking server; wins over PUDOROCK_RANKING_HOST and the build's setting"))
            ->type_name("HOST[:PORT]")
            ->check(CLI::Validator(checkRankingHost, ""));
    CLI::Option* replayOption =
        app.add_option(
               "--replay,replay", replay,
               text::tr("Watch the replay FILE (a .pdrp file) instead of playing; FILE alone too"))
            ->type_name("FILE");
    app.set_version_flag("--version", std::string(version::ProgramName) + " " + version::Version,
                         text::tr("Print the name and version, then exit"));
    CLI::Option* langOption =
        app.add_option("--lang", language,
                       text::tr("The game in Japanese (ja) or English (en); wins over the settings "
                                "and the environment (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)"))
            ->check(CLI::IsMember({"ja", "en"}))
            ->type_name("ja|en");
    app.footer(text::tr(Keys));
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        exitCode = app.exit(error, out, err) == 0 ? 0 : 2;
        return std::nullopt;
    }
    if (dataDirOption->count() > 0) {
        options.dataDir = dataDir;
    }
    if (rankingHostOption->count() > 0) {
        options.rankingHost = rankingHost;
    }
    if (replayOption->count() > 0) {
        options.replay = replay;
    }
    if (langOption->count() > 0) {
        options.language = text::languageNamed(language);
    }
    return options;
}

}  // namespace app

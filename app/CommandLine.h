#pragma once
// The game's command line: how it starts, where it keeps its save files, which ranking server
// it sends to.

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

#include "text/Language.h"

namespace app {

inline constexpr const char* Synopsis =
    "Usage: pudorock [--window] [--reduce-flashing] [--data-dir DIR | --user-data] "
    "[--ranking-host HOST[:PORT]] [--lang ja|en] [--replay] [FILE.pdrp] [--version] [--help]";

struct CommandLine {
    bool window = false;
    bool reduceFlashing = false;
    // Neither set: the current folder.
    std::optional<std::filesystem::path> dataDir;
    bool userData = false;
    std::optional<std::string> rankingHost;
    // A replay to watch instead of playing.
    std::optional<std::filesystem::path> replay;
    // Unset: the settings' language, else the environment's.
    std::optional<text::Language> language;
};

// --lang alone, looked at before anything is said, so that even --help and the refusal of a
// command line speak the chosen language; nothing when it is absent or not ja|en (the full
// parse refuses the latter).
std::optional<text::Language> languageOption(int argc, const char* const* argv);

// The options, or nothing when the program has already answered (--help and --version on
// `out`) or refused the command line (one line of error and the synopsis on `err`); exitCode
// then tells how the program ends: 0 after an answer, 2 after a refusal.
std::optional<CommandLine> parseCommandLine(int argc, const char* const* argv, std::ostream& out,
                                            std::ostream& err, int& exitCode);

}  // namespace app

#pragma once
// How a run of the game starts, as the program's command line chose.

#include <filesystem>
#include <optional>

#include "replay/Replay.h"
#include "text/Language.h"

namespace game {

struct StartOptions {
    // Where Hisc.dat and Name.dat are kept; empty: the current folder.
    std::filesystem::path dataFolder;
    // The 800x600 window instead of full screen.
    bool windowed = false;
    // A recorded game to watch instead of playing; nothing is read from or written to the save
    // folder.
    std::optional<replay::Replay> watch;
    // The title plays the best entry's replay after a while without a key.
    bool attract = false;
    // No flashing low-life pulse, whatever the settings say.
    bool reduceFlashing = false;
    // --lang: wins over the settings' language; unset, the settings' or the one already in use.
    std::optional<text::Language> language;
};

}  // namespace game

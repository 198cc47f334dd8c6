#pragma once
// How a run of the game starts, as the program's command line chose.

#include <filesystem>

namespace game {

struct StartOptions {
    // Where Hisc.dat and Name.dat are kept; empty: the current folder.
    std::filesystem::path dataFolder;
    // The 800x600 window instead of full screen.
    bool windowed = false;
};

}  // namespace game

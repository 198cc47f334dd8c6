#pragma once
// Which folder holds the save files and the lock, as the command line chose it.

#include <filesystem>

#include "app/CommandLine.h"

namespace app {

// $XDG_DATA_HOME/pudorock; when XDG_DATA_HOME is unset, empty or relative (which the base
// directory rules say to ignore), ~/.local/share/pudorock.
std::filesystem::path userDataFolder();

// The chosen folder, created and checked (game::prepareDataFolder); empty for the current
// folder, which is used as it is, as the game always did.
std::filesystem::path readyDataFolder(const CommandLine& options);

}  // namespace app

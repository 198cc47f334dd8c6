#pragma once
// One line of JSON with the game's values, for scripts that replay whole games.

#include <string>

#include "game/Form1.h"

namespace tools {

std::string dumpGame(game::TForm1& form);

}  // namespace tools

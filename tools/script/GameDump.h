#pragma once
// One line of JSON with the game's values, for scripts that replay whole games.

#include <string>

#include "game/Form1.h"
#include "ranking/Form2.h"

namespace tools {

// With the ranking dialog's fields; dialog is null while none is open.
std::string dumpGame(game::TForm1& form, const ranking::TForm2* dialog = nullptr);

}  // namespace tools

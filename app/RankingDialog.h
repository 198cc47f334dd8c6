#pragma once
// The ranking dialog as the game window runs it: a new TForm2 for every opening, over the game
// window, with the game's best result, check value and player name, shown modally and released
// when it closes. The game window is disabled while it is open.

#include "game/Form1.h"
#include "ranking/ModalLoop.h"
#include "ranking/RankingSite.h"

namespace app {

// Settings and loop must outlive the runner.
game::RankingDialogRunner makeRankingDialog(const ranking::RankingSettings& settings,
                                            ranking::ModalLoop& loop);

}  // namespace app

#pragma once
// The ranking dialog as the game window runs it: a new TForm2 for every opening, shown modally
// and released when it closes.

#include "game/Form1.h"
#include "ranking/ModalLoop.h"
#include "ranking/RankingSite.h"

namespace ranking {

// Settings and loop must outlive the runner.
game::RankingDialogRunner MakeRankingDialog(const RankingSettings& settings, ModalLoop& loop);

}  // namespace ranking

#pragma once
// The title's pointer to the how-to-play page, for a player who has neither read it nor played
// a game into the table.

#include "core/BestTen.h"
#include "media/Surface.h"

namespace game {

// Shown until the page has been opened once or the table holds a result of the player's own
// (anything but the default table a first start shows).
bool showsHowToPlayHint(bool pageSeen, const core::BestTenTable& table);

// Below the call to start, clear of the title picture and the menu.
void drawHowToPlayHint(media::TSurface& surface);

}  // namespace game

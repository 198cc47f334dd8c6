#pragma once
// The how-to-play page that the title opens: the goal beside a small board with its answer
// marked, the rules of a round and the keys. It takes no random draw, so the game's draws stay
// as they would have been without it.

#include "media/PictureList.h"
#include "media/Surface.h"

namespace game {

void drawHowToPlay(media::TSurface& surface, const media::TPictureList& pictures);

}  // namespace game

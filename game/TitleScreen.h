#pragma once
// The title screen: the title picture, the menu, the blinking call to press Space and the
// maker's line.

#include <string_view>

#include "core/GameGlobals.h"
#include "media/PictureList.h"
#include "media/Surface.h"

namespace game {

inline constexpr std::string_view MakersLine = "(C) 2026 TSUBU SOFT";

// The call's colour is the frame's draw.
void drawTitle(const core::GameGlobals& g, media::TSurface& surface,
               const media::TPictureList& pictures);

}  // namespace game

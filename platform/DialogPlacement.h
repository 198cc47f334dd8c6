#pragma once
// Where a dialog window goes: centred on its owner window, inside the usable area of the screen,
// at a scale that lets it fit there.

#include "platform/Window.h"

namespace platform {

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// The largest scale up to wanted, in halves and at least 1, at which a dialog of width x height
// at scale 1 fits in the area.
float fittingScale(float wanted, int width, int height, const ScreenArea& area);

// The top-left corner of a dialog of width x height centred on owner, moved into the area; at
// the area's top-left corner when it is larger than the area.
ScreenPoint centredPosition(const ScreenArea& owner, int width, int height, const ScreenArea& area);

}  // namespace platform

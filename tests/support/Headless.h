#pragma once
// Tests run the real SDL code on its dummy drivers: no screen, no sound card.

#include <cstdlib>

namespace testsupport {

inline void useHeadlessDrivers() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

}  // namespace testsupport

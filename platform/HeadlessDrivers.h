#pragma once
// Tests, benchmarks and the scripted runner run the real SDL code on its dummy drivers: no
// screen, no sound card. Drivers already named in the environment are kept, so a developer can
// still watch a run in a real window.

#include <cstdlib>

namespace platform {

inline void useHeadlessDrivers() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
}

}  // namespace platform

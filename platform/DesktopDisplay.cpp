#include "platform/DesktopDisplay.h"

#include <SDL.h>

#include <cstdlib>
#include <string_view>

namespace platform {

namespace {

// SDL's drivers that need no display and show nothing.
bool drawsNowhere(std::string_view driver) {
    return driver == "offscreen" || driver == "dummy" || driver == "evdev";
}

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::string(name) + "=" + value
                                              : std::string(name) + " unset";
}

// Tries one driver, or SDL's choice for nullptr; the reason on failure.
std::optional<std::string> videoProblem(const char* driver) {
    if (SDL_VideoInit(driver) != 0) {
        return std::string(SDL_GetError());
    }
    SDL_VideoQuit();
    return std::nullopt;
}

}  // namespace

std::optional<std::string> desktopDisplayProblem() {
    const char* chosen = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if (chosen != nullptr && *chosen != '\0') {
        return videoProblem(nullptr);
    }
    std::string reasons;
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const char* driver = SDL_GetVideoDriver(i);
        if (drawsNowhere(driver)) {
            continue;
        }
        const auto problem = videoProblem(driver);
        if (!problem) {
            return std::nullopt;
        }
        reasons += (reasons.empty() ? "" : "; ") + *problem;
    }
    return reasons + " (" + environmentValue("DISPLAY") + ", " +
           environmentValue("WAYLAND_DISPLAY") + ")";
}

void keepFullScreenWithoutFocus() {
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
}

}  // namespace platform

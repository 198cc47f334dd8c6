#include "platform/RawEvent.h"

#include <SDL_events.h>

#include "platform/SdlKeys.h"

namespace platform {

std::optional<KeyStroke> keyDownOf(const RawEvent& event) {
    if (event.type != SDL_KEYDOWN) {
        return std::nullopt;
    }
    return KeyStroke{virtualKeyOf(event.key.keysym), shiftStateOf(event.key.keysym.mod)};
}

}  // namespace platform

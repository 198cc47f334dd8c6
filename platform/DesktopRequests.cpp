#include "platform/DesktopRequests.h"

#include <SDL_events.h>

#include <stdexcept>
#include <string>

#include "platform/Window.h"

namespace platform {

namespace {

void push(SDL_Event& event, const char* what) {
    if (SDL_PushEvent(&event) < 0) {
        throw std::runtime_error(std::string(what) + ": " + SDL_GetError());
    }
}

}  // namespace

void pushCloseRequest(const Window& window) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    event.window.windowID = window.id();
    push(event, "close request");
}

void pushQuitRequest() {
    SDL_Event event{};
    event.type = SDL_QUIT;
    push(event, "quit request");
}

}  // namespace platform

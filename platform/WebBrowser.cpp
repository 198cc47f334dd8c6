#include "platform/WebBrowser.h"

#include <SDL_misc.h>

#include "text/Translation.h"

namespace platform {

void openUrl(const std::string& url) {
    // The browser starts with the environment of this moment.
    const text::PlayerLanguageScope playersOwn;
    SDL_OpenURL(url.c_str());
}

}  // namespace platform

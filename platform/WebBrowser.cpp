#include "platform/WebBrowser.h"

#include <SDL_misc.h>

namespace platform {

void openUrl(const std::string& url) {
    SDL_OpenURL(url.c_str());
}

}  // namespace platform

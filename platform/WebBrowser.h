#pragma once
// The desktop's web browser.

#include <string>

namespace platform {

// Hands a URL to the desktop's web browser; whether one starts is not reported.
void openUrl(const std::string& url);

}  // namespace platform

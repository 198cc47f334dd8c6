#include "game/TimeStamp.h"

#include <cstdio>
#include <ctime>

namespace game {

std::string utcStampOf(std::int64_t utcMs) {
    const auto seconds = static_cast<std::time_t>(utcMs / 1000);
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    char text[32];
    const std::size_t length = std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &parts);
    const auto millis = static_cast<int>((utcMs % 1000 + 1000) % 1000);
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, "-%03d", millis);
    return std::string(text, length) + suffix;
}

}  // namespace game

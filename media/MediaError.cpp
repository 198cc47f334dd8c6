#include "media/MediaError.h"

#include <cstdio>

namespace media {

std::string formatText(const char* pattern, const std::string& arg) {
    std::string result = pattern;
    if (auto at = result.find("%s"); at != std::string::npos) {
        result.replace(at, 2, arg);
    }
    return result;
}

std::string formatText(const char* pattern, int a, int b, int c) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, pattern, a, b, c);
    return buffer;
}

}  // namespace media

#include "media/MediaError.h"

#include <cstdio>

#include "text/Placeholders.h"
#include "text/Translation.h"

namespace media {

std::string formatText(const char* pattern, const char* name) {
    return text::filled(text::tr(pattern), {text::tr(name)});
}

std::string formatText(const char* pattern, int a, int b, int c) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, text::tr(pattern), a, b, c);
    return buffer;
}

}  // namespace media

#include "media/MediaError.h"

#include <string>

#include "text/Placeholders.h"
#include "text/Translation.h"

namespace media {

std::string formatText(const char* pattern, const char* name) {
    return text::filled(text::tr(pattern), {text::tr(name)});
}

std::string formatText(const char* pattern, int a, int b, int c) {
    return text::filled(text::tr(pattern),
                        {std::to_string(a), std::to_string(b), std::to_string(c)});
}

}  // namespace media

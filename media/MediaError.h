#pragma once
// The media layer's exceptions; each carries its text ready for the standard report.

#include <stdexcept>
#include <string>

namespace media {

struct EMediaError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

#define PUDOROCK_MEDIA_ERROR(Name)      \
    struct Name : EMediaError {         \
        using EMediaError::EMediaError; \
    }

PUDOROCK_MEDIA_ERROR(EDisplayError);
PUDOROCK_MEDIA_ERROR(EDisplayDeviceError);
PUDOROCK_MEDIA_ERROR(ESurfaceError);
PUDOROCK_MEDIA_ERROR(ECanvasError);
PUDOROCK_MEDIA_ERROR(EPictureCollectionError);
PUDOROCK_MEDIA_ERROR(EInvalidDib);
PUDOROCK_MEDIA_ERROR(ESoundError);
PUDOROCK_MEDIA_ERROR(ESoundDeviceError);
PUDOROCK_MEDIA_ERROR(ESoundBufferError);
PUDOROCK_MEDIA_ERROR(EWaveStreamError);

#undef PUDOROCK_MEDIA_ERROR

// Fills the places ("%s") of a text of MediaMessages.h with its arguments, pattern and name in the
// player's language.
std::string formatText(const char* pattern, const char* name);
std::string formatText(const char* pattern, int a, int b, int c);

}  // namespace media

#pragma once
// Fonts: the face found through fontconfig, and glyphs rasterised without antialiasing.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/SdlHandles.h"

namespace platform {

enum class FontFallback {
    // fontconfig may stand in a like face of another family.
    Allowed,
    // Only the family asked for will do, so that what is drawn with it comes out the same on
    // every machine.
    Refused,
};

// The file of a face that can show Japanese text. Throws FatalError when none is installed:
// the game cannot draw a screen without it.
std::string findJapaneseFontFile(const std::string& family,
                                 FontFallback fallback = FontFallback::Allowed);

// SDL_ttf started for the life of the object.
class FontLibraryUse {
  public:
    FontLibraryUse();
    ~FontLibraryUse();
    FontLibraryUse(const FontLibraryUse&) = delete;
    FontLibraryUse& operator=(const FontLibraryUse&) = delete;
};

// One glyph as a coverage mask of 0 and 1, one byte per pixel, the rows of the whole text
// cell top-down. Drawn with its left edge at pen + left.
struct GlyphMask {
    int width = 0;
    int height = 0;
    int left = 0;
    int advance = 0;
    std::vector<std::uint8_t> bits;
};

// A face opened at a pixel size (the cell height without internal leading).
class Font {
  public:
    Font(const std::string& file, int pixelSize);

    // The height of the text cell.
    int cellHeight() const;
    GlyphMask glyph(char32_t character) const;
    int kerning(char32_t previous, char32_t next) const;

  private:
    FontLibraryUse library_;
    FontHandle font_;
};

}  // namespace platform

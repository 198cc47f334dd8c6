#pragma once
// Fonts: the face found through fontconfig, and glyphs rasterised without antialiasing.

#include <cstdint>
#include <string>
#include <vector>

struct _TTF_Font;

namespace platform {

// The file of a face that can show Japanese text. Throws FatalError when none is installed:
// the game cannot draw a screen without it.
std::string findJapaneseFontFile(const std::string& family);

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
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    int pixelSize() const { return pixelSize_; }
    int ascent() const;
    // The height of the text cell.
    int cellHeight() const;
    GlyphMask glyph(char32_t character) const;
    int kerning(char32_t previous, char32_t next) const;

  private:
    _TTF_Font* font_ = nullptr;
    int pixelSize_;
};

}  // namespace platform

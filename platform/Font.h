#pragma once
// Fonts: the face found through fontconfig, glyphs rasterised without antialiasing, and lines of
// text rasterised smoothly.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

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

// One glyph as a coverage mask of 0 and 1, one byte per pixel, the rows of the whole text
// cell top-down. Drawn with its left edge at pen + left.
struct GlyphMask {
    int width = 0;
    int height = 0;
    int left = 0;
    int advance = 0;
    std::vector<std::uint8_t> bits;
};

// A line of text as coverage levels, 0 (none) to 255 (full), one byte per pixel, the rows of
// the whole line top-down.
struct TextCoverage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> levels;
};

enum class FontHinting {
    // Outlines fitted to whole pixels for glyphs drawn without antialiasing.
    Monochrome,
    // The font's own hinting, for smooth text.
    Normal,
};

// A face opened at a pixel size (the cell height without internal leading).
class Font {
  public:
    Font(const std::string& file, int pixelSize, FontHinting hinting = FontHinting::Monochrome);
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // The height of the text cell.
    int cellHeight() const;
    GlyphMask glyph(char32_t character) const;
    int kerning(char32_t previous, char32_t next) const;
    // UTF-8 text, smoothly edged. Throws std::runtime_error when it cannot be drawn.
    TextCoverage textCoverage(const std::string& utf8) const;

  private:
    struct Face;

    std::unique_ptr<Face> face_;
};

}  // namespace platform

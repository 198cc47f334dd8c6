#pragma once
// The drawing canvas of a surface: text and rounded rectangles in canvas colours
// (0x00BBGGRR), each drawn as its nearest palette entry.

#include <cstdint>
#include <string>
#include <string_view>

namespace media {

class GlyphCache;
class Palette;
class TSurface;

inline constexpr std::uint32_t clBlack = 0x000000;
inline constexpr std::uint32_t clWhite = 0xFFFFFF;

enum TBrushStyle { bsSolid, bsClear };

// Setting a colour while the style is bsClear makes the brush solid; setting the style to
// bsClear makes the colour white.
class TBrush {
  public:
    std::uint32_t Color() const { return color_; }
    void SetColor(std::uint32_t color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);

  private:
    std::uint32_t color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

struct TFont {
    std::string Name = "IPAPGothic";
    int Size = 9;  // points
    std::uint32_t Color = clBlack;
};

struct TPen {
    std::uint32_t Color = clBlack;
    int Width = 1;
};

// The pixel height of a text cell without internal leading, at 96 pixels per inch.
int pointsToPixels(int points);

class TSurfaceCanvas {
  public:
    TSurfaceCanvas(TSurface& surface, const Palette& palette, GlyphCache& glyphs);
    ~TSurfaceCanvas();
    TSurfaceCanvas(const TSurfaceCanvas&) = delete;
    TSurfaceCanvas& operator=(const TSurfaceCanvas&) = delete;

    TBrush Brush;
    TFont Font;
    TPen Pen;

    // Draws UTF-8 text with its cell's top-left corner at (x, y); under bsSolid the cell is
    // filled with the brush colour first.
    void TextOut(int x, int y, std::string_view text);
    int TextWidth(std::string_view text);
    // The rectangle from (x1, y1) to (x2, y2), right and bottom edges excluded, corners cut by
    // a w x h ellipse; filled with the brush unless it is clear, outlined with the pen.
    // Reversed corners are swapped first.
    void RoundRect(int x1, int y1, int x2, int y2, int w, int h);

    // Gives the surface back; drawing takes it again.
    void Release();
    bool HoldsSurface() const { return held_; }

  private:
    void Acquire();
    void FillSpan(int y, int left, int right, std::uint8_t index);
    void PutPixel(int x, int y, std::uint8_t index);

    TSurface& surface_;
    const Palette& palette_;
    GlyphCache& glyphs_;
    bool held_ = false;
};

}  // namespace media

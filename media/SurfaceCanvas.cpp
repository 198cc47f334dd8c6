#include "media/SurfaceCanvas.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "media/GlyphCache.h"
#include "media/Palette.h"
#include "media/Surface.h"
#include "text/Utf8.h"

namespace media {

namespace {

// Whether the pixel centre (x + 0.5, y + 0.5) lies inside the rounded rectangle.
struct RoundedShape {
    double left, top, right, bottom, rx, ry;

    bool contains(int x, int y) const {
        double px = x + 0.5;
        double py = y + 0.5;
        if (px < left || px > right || py < top || py > bottom) {
            return false;
        }
        if (rx <= 0 || ry <= 0) {
            return true;
        }
        double cx = std::clamp(px, left + rx, right - rx);
        double cy = std::clamp(py, top + ry, bottom - ry);
        double dx = (px - cx) / rx;
        double dy = (py - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    }
};

}  // namespace

void TBrush::SetColor(std::uint32_t color) {
    color_ = color;
    if (style_ == bsClear) {
        style_ = bsSolid;
    }
}

void TBrush::SetStyle(TBrushStyle style) {
    style_ = style;
    if (style == bsClear) {
        color_ = clWhite;
    }
}

int pointsToPixels(int points) {
    return static_cast<int>(std::lround(std::abs(points) * 96.0 / 72.0));
}

TSurfaceCanvas::TSurfaceCanvas(TSurface& surface, const Palette& palette, GlyphCache& glyphs)
    : surface_(surface), palette_(palette), glyphs_(glyphs) {}

TSurfaceCanvas::~TSurfaceCanvas() {
    Release();
}

void TSurfaceCanvas::Acquire() {
    if (!held_) {
        held_ = true;
        surface_.Lock();
    }
}

void TSurfaceCanvas::Release() {
    if (held_) {
        held_ = false;
        surface_.Unlock();
    }
}

void TSurfaceCanvas::PutPixel(int x, int y, std::uint8_t index) {
    if (x >= 0 && y >= 0 && x < surface_.Width() && y < surface_.Height()) {
        surface_.Pixels()[y * surface_.Width() + x] = index;
    }
}

void TSurfaceCanvas::FillSpan(int y, int left, int right, std::uint8_t index) {
    if (y < 0 || y >= surface_.Height()) {
        return;
    }
    left = std::max(left, 0);
    right = std::min(right, surface_.Width());
    if (left < right) {
        std::fill_n(surface_.Pixels() + y * surface_.Width() + left, right - left, index);
    }
}

int TSurfaceCanvas::TextWidth(std::string_view text) {
    Acquire();
    const int size = pointsToPixels(Font.Size);
    const platform::Font& font = glyphs_.font(size);
    int width = 0;
    char32_t previous = 0;
    for (char32_t character : text::decodeUtf8(text, text::MalformedUtf8::KeepByte)) {
        if (previous != 0) {
            width += font.kerning(previous, character);
        }
        width += glyphs_.glyph(size, character).advance;
        previous = character;
    }
    return width;
}

void TSurfaceCanvas::TextOut(int x, int y, std::string_view text) {
    Acquire();
    const int size = pointsToPixels(Font.Size);
    const platform::Font& font = glyphs_.font(size);
    if (Brush.Style() == bsSolid) {
        const int width = TextWidth(text);
        const std::uint8_t background = palette_.nearestIndex(Brush.Color());
        for (int row = 0; row < font.cellHeight(); ++row) {
            FillSpan(y + row, x, x + width, background);
        }
    }
    const std::uint8_t ink = palette_.nearestIndex(Font.Color);
    int pen = x;
    char32_t previous = 0;
    for (char32_t character : text::decodeUtf8(text, text::MalformedUtf8::KeepByte)) {
        if (previous != 0) {
            pen += font.kerning(previous, character);
        }
        const platform::GlyphMask& mask = glyphs_.glyph(size, character);
        for (int row = 0; row < mask.height; ++row) {
            const std::uint8_t* bits = &mask.bits[static_cast<std::size_t>(row) * mask.width];
            for (int column = 0; column < mask.width; ++column) {
                if (bits[column] != 0) {
                    PutPixel(pen + mask.left + column, y + row, ink);
                }
            }
        }
        pen += mask.advance;
        previous = character;
    }
}

void TSurfaceCanvas::RoundRect(int x1, int y1, int x2, int y2, int w, int h) {
    Acquire();
    const int left = std::min(x1, x2);
    const int right = std::max(x1, x2);
    const int top = std::min(y1, y2);
    const int bottom = std::max(y1, y2);
    if (right <= left || bottom <= top) {
        return;
    }
    const RoundedShape shape{double(left),
                             double(top),
                             double(right),
                             double(bottom),
                             std::min(std::abs(w), right - left) / 2.0,
                             std::min(std::abs(h), bottom - top) / 2.0};
    const bool filled = Brush.Style() == bsSolid;
    const std::uint8_t fill = palette_.nearestIndex(Brush.Color());
    const std::uint8_t outline = palette_.nearestIndex(Pen.Color);
    for (int y = std::max(top, 0); y < std::min(bottom, surface_.Height()); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, surface_.Width()); ++x) {
            if (!shape.contains(x, y)) {
                continue;
            }
            const bool edge = !shape.contains(x - 1, y) || !shape.contains(x + 1, y) ||
                              !shape.contains(x, y - 1) || !shape.contains(x, y + 1);
            if (edge) {
                PutPixel(x, y, outline);
            } else if (filled) {
                PutPixel(x, y, fill);
            }
        }
    }
}

}  // namespace media

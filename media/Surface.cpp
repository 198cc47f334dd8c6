#include "media/Surface.h"

#include <algorithm>
#include <cstring>

#include "media/SurfaceCanvas.h"

namespace media {

namespace {

// Moves an edge lying before 0 up to 0, and the matching edge of the other rectangle as far.
void clipNearEdge(int& edge, int& matching) {
    if (edge < 0) {
        matching -= edge;
        edge = 0;
    }
}

// Moves an edge lying past limit back to it, and the matching edge of the other rectangle as far.
void clipFarEdge(int& edge, int& matching, int limit) {
    if (edge > limit) {
        matching -= edge - limit;
        edge = limit;
    }
}

// Copies the pixels of a row that differ from key, eight at a time: a byte mask of the key's
// places blends source and destination without a branch per pixel.
void copyRowKeyed(std::uint8_t* to, const std::uint8_t* from, int width, std::uint8_t key) {
    constexpr std::uint64_t Low7 = 0x7F7F7F7F7F7F7F7Full;
    const std::uint64_t keys = 0x0101010101010101ull * key;
    int column = 0;
    for (; column + 8 <= width; column += 8) {
        std::uint64_t source;
        std::uint64_t destination;
        std::memcpy(&source, from + column, 8);
        std::memcpy(&destination, to + column, 8);
        const std::uint64_t difference = source ^ keys;
        // The high bit of each byte is set exactly where the byte of difference is zero.
        const std::uint64_t zero = ~(((difference & Low7) + Low7) | difference | Low7);
        const std::uint64_t isKey = (zero >> 7) * 0xFF;
        destination = (source & ~isKey) | (destination & isKey);
        std::memcpy(to + column, &destination, 8);
    }
    for (; column < width; ++column) {
        if (from[column] != key) {
            to[column] = from[column];
        }
    }
}

}  // namespace

TSurface::TSurface(int width, int height, const Palette& palette, GlyphCache& glyphs)
    : width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      pixels_(static_cast<std::size_t>(width_) * height_),
      palette_(palette),
      glyphs_(glyphs) {}

TSurface::~TSurface() = default;

bool TSurface::Fill(std::uint32_t value) {
    if (locked_) {
        return false;
    }
    std::memset(pixels_.data(), static_cast<int>(value & 0xFF), pixels_.size());
    return true;
}

TSurfaceCanvas& TSurface::Canvas() {
    if (!canvas_) {
        canvas_ = std::make_unique<TSurfaceCanvas>(*this, palette_, glyphs_);
    }
    return *canvas_;
}

void TSurface::Draw(int x, int y, TRect src, const TSurface& source, bool transparent) {
    if (locked_ || source.locked_ || x > width_ || y > height_) {
        return;
    }
    TRect dest{x, y, x + src.Width(), y + src.Height()};
    // Clipping order: destination left and top, source left and top, destination right and
    // bottom, source right and bottom.
    clipNearEdge(dest.Left, src.Left);
    clipNearEdge(dest.Top, src.Top);
    clipNearEdge(src.Left, dest.Left);
    clipNearEdge(src.Top, dest.Top);
    clipFarEdge(dest.Right, src.Right, width_);
    clipFarEdge(dest.Bottom, src.Bottom, height_);
    clipFarEdge(src.Right, dest.Right, source.width_);
    clipFarEdge(src.Bottom, dest.Bottom, source.height_);
    if (dest.Empty() || src.Empty()) {
        return;
    }
    const int width = std::min(dest.Width(), src.Width());
    const int height = std::min(dest.Height(), src.Height());
    const bool keyed = transparent && source.colorKey_.has_value();
    const std::uint8_t key = source.colorKey_.value_or(0);
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* from = &source.pixels_[(src.Top + row) * source.width_ + src.Left];
        std::uint8_t* to = &pixels_[(dest.Top + row) * width_ + dest.Left];
        if (!keyed) {
            std::memcpy(to, from, static_cast<std::size_t>(width));
            continue;
        }
        copyRowKeyed(to, from, width, key);
    }
}

}  // namespace media

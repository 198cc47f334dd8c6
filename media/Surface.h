#pragma once
// A surface of palette indexes, 8 bits a pixel, and the copy of pictures onto it.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace media {

class GlyphCache;
class Palette;
class TSurfaceCanvas;

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Empty() const { return Right <= Left || Bottom <= Top; }
};

class TSurface {
  public:
    // The palette and glyphs serve the canvas; both must outlive the surface.
    TSurface(int width, int height, const Palette& palette, GlyphCache& glyphs);
    ~TSurface();
    TSurface(const TSurface&) = delete;
    TSurface& operator=(const TSurface&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::uint8_t* Pixels() { return pixels_.data(); }
    const std::uint8_t* Pixels() const { return pixels_.data(); }
    std::uint8_t Pixel(int x, int y) const { return pixels_[y * width_ + x]; }

    // Fills the whole surface with one device value; false while the canvas holds the surface.
    bool Fill(std::uint32_t value);

    // Created on first use; lives as long as the surface.
    TSurfaceCanvas& Canvas();
    // True while the canvas holds the surface for drawing; every other use waits for Release.
    bool Locked() const { return locked_; }

    // The device value that source copies skip when drawn transparent.
    void SetColorKey(std::optional<std::uint8_t> key) { colorKey_ = key; }

    // Copies Src of Source to (X, Y) 1:1, clipped to both surfaces; with transparent set,
    // source pixels equal to Source's colour key are skipped.
    void Draw(int x, int y, TRect src, const TSurface& source, bool transparent);

  private:
    friend class TSurfaceCanvas;
    void Lock() { locked_ = true; }
    void Unlock() { locked_ = false; }

    int width_;
    int height_;
    std::vector<std::uint8_t> pixels_;
    const Palette& palette_;
    GlyphCache& glyphs_;
    std::unique_ptr<TSurfaceCanvas> canvas_;
    std::optional<std::uint8_t> colorKey_;
    bool locked_ = false;
};

}  // namespace media

#pragma once
// A true-colour drawing surface, rows top-down; every picture is drawn on one first.

#include <vector>

#include "tools/assetgen/AlphaMap.h"
#include "tools/assetgen/Rgb.h"

namespace assetgen {

class Canvas {
  public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<Rgb>& pixels() const { return pixels_; }

    // Throws std::out_of_range outside the canvas: artwork must land where it was meant to.
    Rgb at(int x, int y) const;
    void set(int x, int y, Rgb colour);
    void fill(const Box& box, Rgb colour);
    // Paints the covered pixels of a shape placed at (x, y), each in the colour paint gives.
    template <typename Paint>
    void paint(const AlphaMap& shape, int x, int y, Paint paint) {
        for (int sy = 0; sy < shape.height(); ++sy) {
            for (int sx = 0; sx < shape.width(); ++sx) {
                if (shape.covers(sx, sy)) {
                    set(x + sx, y + sy, paint(x + sx, y + sy));
                }
            }
        }
    }

  private:
    std::size_t offset(int x, int y) const;

    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

}  // namespace assetgen

#include "tools/assetgen/Canvas.h"

#include <stdexcept>

namespace assetgen {

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height) {}

std::size_t Canvas::offset(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        throw std::out_of_range("pixel outside the canvas");
    }
    return static_cast<std::size_t>(y) * width_ + x;
}

Rgb Canvas::at(int x, int y) const {
    return pixels_[offset(x, y)];
}

void Canvas::set(int x, int y, Rgb colour) {
    pixels_[offset(x, y)] = colour;
}

void Canvas::fill(const Box& box, Rgb colour) {
    for (int y = box.top; y <= box.bottom; ++y) {
        for (int x = box.left; x <= box.right; ++x) {
            set(x, y, colour);
        }
    }
}

}  // namespace assetgen

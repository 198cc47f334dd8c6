#pragma once
// Coverage of a shape, 0 (empty) to 1 (full) per pixel. Lettering is rendered large and
// smooth, shaped as coverage and only then cut to hard pixels, so small glyphs stay even.

#include <optional>
#include <vector>

namespace assetgen {

// Inclusive pixel rectangle.
struct Box {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;

    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
    bool operator==(const Box&) const = default;
};

class AlphaMap {
  public:
    AlphaMap(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    // Outside the map everything is empty.
    float at(int x, int y) const;
    void set(int x, int y, float alpha);
    // A pixel belongs to the shape when it is at least half covered.
    bool covers(int x, int y) const { return at(x, y) >= 0.5f; }

    // The box of the covered pixels; none when nothing is covered.
    std::optional<Box> inkBox() const;
    AlphaMap cropped(const Box& box) const;
    // Area-averaged to the new size; keeps the share of ink in every region.
    AlphaMap resampled(int width, int height) const;
    // Each pixel takes the largest coverage within a disc of the radius around it.
    AlphaMap thickened(int radius) const;
    // Covered pixels minus those the other shape covers.
    AlphaMap without(const AlphaMap& other) const;
    // Places another map with its top-left corner at (x, y), keeping the larger coverage.
    void overlay(const AlphaMap& other, int x, int y);

  private:
    int width_;
    int height_;
    std::vector<float> alpha_;
};

}  // namespace assetgen

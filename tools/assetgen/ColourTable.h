#pragma once
// The 256-entry colour table of an 8-bit picture, and the index of each colour in it.

#include <array>
#include <cstdint>
#include <span>

#include "tools/assetgen/Canvas.h"

namespace assetgen {

class ColourTable {
  public:
    explicit ColourTable(const std::array<Rgb, 256>& entries) : entries_(entries) {}

    // Entry r + 6g + 36b holds (51r, 51g, 51b); the 40 entries after the cube are black.
    static ColourTable cube();

    // Puts every colour of the canvas that the table lacks into the places first to last, in
    // the order the canvas first uses them (rows top-down). Throws when they do not fit.
    void addMissing(const Canvas& canvas, int first, int last);

    // The lowest entry holding the colour; throws when there is none.
    std::uint8_t indexOf(Rgb colour) const;
    const std::array<Rgb, 256>& entries() const { return entries_; }

  private:
    bool holds(Rgb colour, int below) const;

    std::array<Rgb, 256> entries_;
};

}  // namespace assetgen

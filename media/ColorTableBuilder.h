#pragma once
// The common 256-colour table of the pictures: the 16 standard colours at the two ends, then
// the pictures' own colours in the order they are first seen.

#include <array>

#include "media/Dib.h"
#include "media/Palette.h"

namespace media {

class ColorTableBuilder {
  public:
    // Starts with the standard colours at 0 to 7 and 248 to 255.
    ColorTableBuilder();

    // Adds all 256 entries of an 8-bit (or smaller) picture's colour table, missing entries as
    // black; a picture of more bits has no table and adds nothing.
    void addPicture(const TDIB& picture);
    // A colour equal in all four bytes to a used entry is not added again; a colour that finds
    // no free entry is dropped.
    void addColor(ColorEntry color);

    bool full() const { return count_ == static_cast<int>(table_.size()); }
    // Entries never used stay all zero.
    const TColorTable& table() const { return table_; }

  private:
    void use(int index, ColorEntry color);

    TColorTable table_{};
    std::array<bool, 256> used_{};
    int count_ = 0;
};

}  // namespace media

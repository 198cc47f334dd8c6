#pragma once
// Fonts by pixel size and their glyph masks, rasterised once and kept: a frame's text costs
// no rasterising once its characters have been seen.

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>

#include "platform/Font.h"

namespace media {

class GlyphCache {
  public:
    // The face is looked up on first use, so that a program drawing no text needs none.
    explicit GlyphCache(std::string family = "IPAPGothic") : family_(std::move(family)) {}

    const platform::Font& font(int pixelSize);
    const platform::GlyphMask& glyph(int pixelSize, char32_t character);
    // Every character drawn or measured so far, for a check of what a run showed.
    std::set<char32_t> characters() const;

  private:
    std::string family_;
    std::string file_;
    std::map<int, std::unique_ptr<platform::Font>> fonts_;
    std::unordered_map<std::uint64_t, platform::GlyphMask> glyphs_;
};

}  // namespace media

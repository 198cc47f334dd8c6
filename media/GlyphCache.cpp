#include "media/GlyphCache.h"

namespace media {

const platform::Font& GlyphCache::font(int pixelSize) {
    auto found = fonts_.find(pixelSize);
    if (found != fonts_.end()) {
        return *found->second;
    }
    if (file_.empty()) {
        file_ = platform::findJapaneseFontFile(family_);
    }
    return *fonts_.emplace(pixelSize, std::make_unique<platform::Font>(file_, pixelSize))
                .first->second;
}

const platform::GlyphMask& GlyphCache::glyph(int pixelSize, char32_t character) {
    std::uint64_t key = std::uint64_t(static_cast<std::uint32_t>(pixelSize)) << 32 | character;
    auto found = glyphs_.find(key);
    if (found != glyphs_.end()) {
        return found->second;
    }
    return glyphs_.emplace(key, font(pixelSize).glyph(character)).first->second;
}

std::set<char32_t> GlyphCache::characters() const {
    std::set<char32_t> seen;
    for (const auto& entry : glyphs_) {
        seen.insert(static_cast<char32_t>(entry.first & 0xFFFFFFFFu));
    }
    return seen;
}

}  // namespace media

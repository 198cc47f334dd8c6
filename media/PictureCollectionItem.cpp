#include "media/PictureCollectionItem.h"

#include <new>
#include <unordered_map>

#include "media/Display.h"
#include "media/MediaError.h"
#include "media/MediaMessages.h"
#include "media/PictureCollection.h"

namespace media {

namespace {

// Each picture colour matched once: a picture has far fewer colours than pixels.
class ColorMatcher {
  public:
    explicit ColorMatcher(const Palette& palette) : palette_(palette) {}

    std::uint8_t indexOf(std::uint32_t color) {
        auto [entry, added] = matched_.try_emplace(color, 0);
        if (added) {
            entry->second = DeviceColorOf(palette_, color);
        }
        return entry->second;
    }

  private:
    const Palette& palette_;
    std::unordered_map<std::uint32_t, std::uint8_t> matched_;
};

}  // namespace

std::uint8_t DeviceColorOf(const Palette& palette, std::uint32_t color) {
    return palette.nearestIndex(color);
}

TPictureCollectionItem::TPictureCollectionItem(TPictureCollection& collection)
    : collection_(collection) {}

TPictureCollectionItem::~TPictureCollectionItem() = default;

int TPictureCollectionItem::EffectivePatternWidth() const {
    return PatternWidth > 0 ? PatternWidth : Picture.width();
}

int TPictureCollectionItem::EffectivePatternHeight() const {
    return PatternHeight > 0 ? PatternHeight : Picture.height();
}

void TPictureCollectionItem::Draw(TSurface& dest, int x, int y, int patternIndex) const {
    if (!initialized_ || patternIndex < 0 || patternIndex >= PatternCount()) {
        return;
    }
    const PatternPlace& pattern = patterns_[patternIndex];
    dest.Draw(x, y, pattern.source, *surfaces_[pattern.block], Transparent);
}

void TPictureCollectionItem::Initialize() {
    Finalize();
    initialized_ = collection_.BoundToInitializedDisplay();
}

void TPictureCollectionItem::Finalize() {
    if (!initialized_) {
        return;
    }
    initialized_ = false;
    FreeSurfaces();
}

void TPictureCollectionItem::Restore() {
    if (Picture.empty()) {
        return;
    }
    if (!initialized_) {
        Initialize();
        if (!initialized_) {
            return;
        }
    }
    FreeSurfaces();
    const PatternGrid grid{EffectivePatternWidth(), EffectivePatternHeight(), SkipWidth, SkipHeight,
                           SystemMemory};
    PatternLayout layout = layoutPatterns(Picture.width(), Picture.height(), grid);
    const std::uint8_t colorKey =
        DeviceColorOf(collection_.Display()->CurrentPalette(), TransparentColor);
    for (const TRect& block : layout.blocks) {
        surfaces_.push_back(MakeSurface(block, colorKey));
    }
    patterns_ = std::move(layout.patterns);
}

void TPictureCollectionItem::FreeSurfaces() {
    patterns_.clear();
    surfaces_.clear();
}

std::unique_ptr<TSurface> TPictureCollectionItem::MakeSurface(const TRect& block,
                                                              std::uint8_t colorKey) const {
    TDisplay& display = *collection_.Display();
    std::unique_ptr<TSurface> surface;
    try {
        surface = std::make_unique<TSurface>(block.Width(), block.Height(),
                                             display.CurrentPalette(), display.Glyphs());
    } catch (const std::bad_alloc&) {
        throw ESurfaceError(formatText(messages::CannotCreate, messages::SurfaceName));
    }
    ColorMatcher matcher(display.CurrentPalette());
    std::uint8_t* pixel = surface->Pixels();
    for (int y = block.Top; y < block.Bottom; ++y) {
        for (int x = block.Left; x < block.Right; ++x) {
            *pixel++ = matcher.indexOf(Picture.pixelColor(x, y));
        }
    }
    surface->SetColorKey(colorKey);
    return surface;
}

}  // namespace media

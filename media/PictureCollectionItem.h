#pragma once
// One picture of the picture list, cut into equal patterns and converted to the display's
// palette indexes while the display is initialised.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "media/Dib.h"
#include "media/PatternLayout.h"
#include "media/Surface.h"

namespace media {

class Palette;
class TPictureCollection;

// The device value a canvas colour (0x00BBGGRR) takes on the display's surfaces: on the 8-bit
// display, the index of the palette entry it is matched to.
std::uint8_t DeviceColorOf(const Palette& palette, std::uint32_t color);

class TPictureCollectionItem {
  public:
    explicit TPictureCollectionItem(TPictureCollection& collection);
    ~TPictureCollectionItem();
    TPictureCollectionItem(const TPictureCollectionItem&) = delete;
    TPictureCollectionItem& operator=(const TPictureCollectionItem&) = delete;

    // Stored settings.
    std::string Name;
    int PatternHeight = 0;  // 0 or less: the picture's height
    int PatternWidth = 0;   // 0 or less: the picture's width
    TDIB Picture;
    int SkipHeight = 0;
    int SkipWidth = 0;
    bool SystemMemory = false;  // keep the converted picture one surface
    bool Transparent = true;
    std::uint32_t TransparentColor = 0;  // black

    int EffectivePatternWidth() const;
    int EffectivePatternHeight() const;
    // 0 until the picture is converted.
    int PatternCount() const { return static_cast<int>(patterns_.size()); }
    bool Initialized() const { return initialized_; }

    // Pattern patternIndex with its top-left corner at (x, y), clipped to both surfaces; pixels
    // of the transparent colour are skipped when Transparent. Nothing for an index outside
    // 0 .. PatternCount - 1 or while the item is not initialised.
    void Draw(TSurface& dest, int x, int y, int patternIndex) const;

    // Run by the collection as the display comes and goes.
    void Initialize();
    void Finalize();
    // Converts the picture anew with the palette in force: new surfaces, new patterns.
    void Restore();

  private:
    void FreeSurfaces();
    std::unique_ptr<TSurface> MakeSurface(const TRect& block, std::uint8_t colorKey) const;

    TPictureCollection& collection_;
    bool initialized_ = false;
    std::vector<std::unique_ptr<TSurface>> surfaces_;
    std::vector<PatternPlace> patterns_;
};

}  // namespace media

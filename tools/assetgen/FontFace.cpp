#include "tools/assetgen/FontFace.h"

namespace assetgen {

FontFace::FontFace(const std::string& family, int pixelSize)
    : font_(platform::findJapaneseFontFile(family, platform::FontFallback::Refused), pixelSize,
            platform::FontHinting::Normal) {}

AlphaMap FontFace::render(const std::string& text) const {
    const platform::TextCoverage coverage = font_.textCoverage(text);
    AlphaMap map(coverage.width, coverage.height);
    for (int y = 0; y < coverage.height; ++y) {
        for (int x = 0; x < coverage.width; ++x) {
            map.set(x, y,
                    coverage.levels[static_cast<std::size_t>(y) * coverage.width + x] / 255.0f);
        }
    }
    return map;
}

}  // namespace assetgen

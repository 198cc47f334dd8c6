#pragma once
// A system font face opened at one size, rendering text as coverage.

#include <string>

#include "platform/Font.h"
#include "tools/assetgen/AlphaMap.h"

namespace assetgen {

class FontFace {
  public:
    // Throws when the family itself is not installed: a stand-in face would change the assets.
    FontFace(const std::string& family, int pixelSize);

    // UTF-8 text, smoothly edged, on a map as tall as the face's line.
    AlphaMap render(const std::string& text) const;

  private:
    platform::Font font_;
};

}  // namespace assetgen

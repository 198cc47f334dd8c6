#pragma once
// A system font face opened at one size, rendering text as coverage.

#include <memory>
#include <string>

#include <SDL_ttf.h>

#include "tools/assetgen/AlphaMap.h"

namespace assetgen {

// The file fontconfig chooses for a family name; throws when it finds none.
std::string fontFileOf(const std::string& family);

class FontFace {
  public:
    FontFace(const std::string& family, int pixelSize);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // UTF-8 text, smoothly edged, on a map as tall as the face's line.
    AlphaMap render(const std::string& text) const;

  private:
    struct LibraryUse {
        LibraryUse();
        ~LibraryUse();
    };
    struct FontCloser {
        void operator()(TTF_Font* font) const { TTF_CloseFont(font); }
    };

    LibraryUse library_;
    std::unique_ptr<TTF_Font, FontCloser> font_;
};

}  // namespace assetgen

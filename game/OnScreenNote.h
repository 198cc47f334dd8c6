#pragma once
// A short note drawn over the frame for a moment (the volume after F9, where a screenshot
// went), so that a key with no screen of its own still answers.

#include <cstdint>
#include <string>

#include "media/Surface.h"

namespace game {

class OnScreenNote {
  public:
    static constexpr std::int32_t ShownMs = 1500;

    // Replaces the note shown, for ShownMs from now.
    void show(std::string text);
    // The frame's time passes; the note goes once its time is up.
    void advance(std::int32_t lagCount);
    const std::string& text() const { return text_; }
    // Over the bottom left of the frame, while the note lasts.
    void draw(media::TSurface& surface) const;

  private:
    std::string text_;
    std::int32_t leftMs_ = 0;
};

}  // namespace game

#pragma once
// The opening: 121 copies of the maker's logo swirl in along a rotating spiral and close into
// one logo in the middle of the screen, and the producer credit line appears under it.

#include <cstdint>
#include <string_view>

#include "media/PictureList.h"
#include "media/Surface.h"

namespace game {

inline constexpr std::string_view ProducerCredit = "Produced by TSUBU SOFT 2026";

// The spiral for the countdown's value at the start of the frame: for phaseClock 0 or more
// the arms and rings step by phaseClock; below 0 every copy lies on (325, 284).
void drawOpeningSpiral(std::int32_t phaseClock, media::TSurface& surface,
                       const media::TPictureList& pictures);

// The credit line, once the countdown has passed below 0.
void drawProducerCredit(std::int32_t phaseClock, media::TSurface& surface);

}  // namespace game

#include "platform/DialogPlacement.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// The start of a length centred on the span [ownerStart, ownerStart + ownerLength), kept inside
// [areaStart, areaStart + areaLength) as far as it fits.
int centredStart(int ownerStart, int ownerLength, int length, int areaStart, int areaLength) {
    const int centred = ownerStart + (ownerLength - length) / 2;
    return std::max(areaStart, std::min(centred, areaStart + areaLength - length));
}

}  // namespace

float fittingScale(float wanted, int width, int height, const ScreenArea& area) {
    const float room = std::min(static_cast<float>(area.width) / static_cast<float>(width),
                                static_cast<float>(area.height) / static_cast<float>(height));
    return std::max(1.0F, std::floor(2 * std::min(wanted, room)) / 2);
}

ScreenPoint centredPosition(const ScreenArea& owner, int width, int height,
                            const ScreenArea& area) {
    return {centredStart(owner.x, owner.width, width, area.x, area.width),
            centredStart(owner.y, owner.height, height, area.y, area.height)};
}

}  // namespace platform

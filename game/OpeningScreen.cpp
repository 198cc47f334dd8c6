#include "game/OpeningScreen.h"

#include <algorithm>
#include <cmath>

#include "assets/Assets.h"
#include "game/CanvasText.h"
#include "game/Colors.h"
#include "game/ScopedCanvas.h"
#include "media/TurnTable.h"

namespace game {

namespace {

constexpr int SpiralArms = 11;
constexpr int SpiralRings = 11;
constexpr int SpiralCentreX = 325;
constexpr int SpiralCentreY = 284;

// To the nearest integer, halves to the even neighbour (the default rounding mode).
int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace

void drawOpeningSpiral(std::int32_t phaseClock, media::TSurface& surface,
                       const media::TPictureList& pictures) {
    const media::TPictureCollectionItem& logo = pictures.Items(assets::LogoPicture);
    // A negative step collapses every arm and ring onto the centre.
    const std::int32_t step = std::max(phaseClock, 0);
    for (int arm = 0; arm < SpiralArms; ++arm) {
        const int angle = phaseClock + arm * step;
        const double sine = media::TurnSin(angle);
        const double cosine = media::TurnCos(angle);
        for (int ring = 1; ring <= SpiralRings; ++ring) {
            const int radius = ring * step;
            logo.Draw(surface, SpiralCentreX + roundHalfEven(radius * sine),
                      SpiralCentreY + roundHalfEven(radius * cosine), 0);
        }
    }
}

void drawProducerCredit(std::int32_t phaseClock, media::TSurface& surface) {
    if (phaseClock >= 0) {
        return;
    }
    ScopedCanvas canvas(surface);
    canvas->Brush.SetStyle(media::bsClear);
    canvas->Font.Color = Yellow;
    canvas->Font.Size = 24;
    textOutCentred(*canvas, 400, 320, ProducerCredit);
}

}  // namespace game

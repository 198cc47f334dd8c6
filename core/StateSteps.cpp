#include "core/StateSteps.h"

#include "core/Sounds.h"

namespace core {

void stepIntroInit(GameGlobals& g) {
    g.PhaseClock = IntroStartClock;
    g.IntroCueArmed = 1;
    g.State = gsIntro;
    for (std::size_t row = 0; row < g.RowVelocity.size(); ++row) {
        g.RowVelocity[row] = static_cast<float>(g.Random.nextReal() * 5 - 2);
        g.RowOffset[row] = 0;
    }
}

void stepIntroCountdown(GameGlobals& g, std::int32_t lagCount) {
    g.PhaseClock -= lagCount / 10;
    if (g.PhaseClock < 0 && g.IntroCueArmed == 1) {
        g.PendingSound = cueOf(MakerSound);
        g.IntroCueArmed = 0;
    }
    if (g.PhaseClock < IntroEndClock) {
        g.State = gsTitle;
        g.PendingSound = cueOf(TitleSound);
    }
}

}  // namespace core

#include "core/Simulation.h"

#include "core/PlayRules.h"
#include "core/ScreenSteps.h"
#include "core/StateSteps.h"

namespace core {

Simulation::Simulation(std::uint32_t randomState, const BestTenTable& table) {
    g_.Random.seed(randomState);
    g_.BestTen = table;
    g_.State = gsNewGame;
}

void Simulation::keyPress(char key) {
    keyPressAnswer(g_, key);
}

GameState Simulation::step(std::int32_t lagCount, std::string_view answers) {
    for (const char key : answers) {
        keyPress(key);
    }
    return step(lagCount);
}

GameState Simulation::step(std::int32_t lagCount) {
    const GameState stepped = g_.State;
    switch (stepped) {
        case gsIntroInit:
            stepIntroInit(g_);
            break;
        case gsIntro:
            g_.Draws.spiralClock = g_.PhaseClock;
            stepIntroCountdown(g_, lagCount);
            break;
        case gsBestTen:
            stepBestTenScreen(g_);
            break;
        case gsTitle:
            stepTitleScreen(g_);
            break;
        case gsNewGame:
            stepNewGame(g_);
            break;
        case gsCurtain:
            stepCurtain(g_);
            break;
        case gsPlay:
            stepPlayRules(g_, lagCount);
            stepPlayScreen(g_, lagCount);
            break;
    }
    return stepped;
}

}  // namespace core

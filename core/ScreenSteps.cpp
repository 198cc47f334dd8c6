#include "core/ScreenSteps.h"

namespace core {

namespace {

constexpr int FirstPulseTile = 13;
constexpr int LastPulseTile = 16;
// A red flashing faster than three times a second endangers players prone to seizures: the pulse
// steps by play time, its ten steps (dark, bright, dark) taking half a second at any frame rate.
constexpr std::int32_t PulseStepMs = 50;
constexpr std::int32_t PulseCycleMs = 10 * PulseStepMs;

bool outOfDrift(float value) {
    return value < -DriftLimit || value > DriftLimit;
}

void driftRow(GameGlobals& g, std::size_t row) {
    float& offset = g.RowOffset[row];
    float& velocity = g.RowVelocity[row];
    offset = offset + velocity;
    if (outOfDrift(offset)) {
        offset = 0;
    }
    velocity = static_cast<float>(g.Random.nextReal() + velocity - 0.5);
    if (outOfDrift(velocity)) {
        velocity = 0;
    }
}

void stepPulse(GameGlobals& g) {
    g.PulseTile += g.PulseStep;
    if (g.PulseTile > LastPulseTile || g.PulseTile < FirstPulseTile) {
        g.PulseStep = -g.PulseStep;
    }
}

// Whole cycles of a long frame change nothing, so they are not stepped through.
void advancePulse(GameGlobals& g, std::int32_t lagCount) {
    g.PulseClock += lagCount % PulseCycleMs;
    for (; g.PulseClock >= PulseStepMs; g.PulseClock -= PulseStepMs) {
        stepPulse(g);
    }
}

FlickerDraw drawFlicker(RandomGenerator& random) {
    FlickerDraw flicker;
    flicker.a = random.next(20);
    flicker.b = random.next(20);
    return flicker;
}

}  // namespace

void stepTitleScreen(GameGlobals& g) {
    g.Draws.titleHue = g.Random.next(255);
}

void stepBestTenScreen(GameGlobals& g) {
    for (std::size_t row = 0; row < g.RowOffset.size(); ++row) {
        driftRow(g, row);
    }
    g.Draws.footerRed = g.Random.next(100) + 100;
}

void stepPlayScreen(GameGlobals& g, std::int32_t lagCount) {
    advancePulse(g, lagCount);
    if (g.GameOverPhase == 2) {
        g.Draws.bannerShade = g.Random.next(20);
        for (FlickerDraw& flicker : g.Draws.flicker) {
            flicker = drawFlicker(g.Random);
        }
    }
}

}  // namespace core

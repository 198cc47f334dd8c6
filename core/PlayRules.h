#pragma once
// The block field and the play rules, without their drawing.
// Pure logic on the game globals; the random draws happen in a fixed order,
// because the drawing code draws from the same generator afterwards.

#include <cstdint>

#include "core/GameGlobals.h"

namespace core {

inline constexpr std::int32_t FullTime = 12000;
inline constexpr std::int32_t FullLife = 100;
inline constexpr std::int32_t CurtainFrames = 141;

// The `gsNewGame` step: every value to its new-game value (`LuckyColor` is the only draw),
// the board covered, `GameState` := `gsCurtain`, `PendingSound` := 3.
void stepNewGame(GameGlobals& g);

// The rules of the `gsCurtain` step (steps 1 and 2; the board is drawn by the play screen).
void stepCurtain(GameGlobals& g);

// The rules of the `gsPlay` step, steps 1 to 7 in their order (step 8, the pulse and the
// drawing, belong to the play screen). Step 4 calls `EnterResult` of the best-ten store.
void stepPlayRules(GameGlobals& g, std::int32_t lagCount);

// The answer logic of `FormKeyPress`: `key` is the typed character (one byte).
void keyPressAnswer(GameGlobals& g, char key);

// The colour (1 to 10) with the most blocks, the lowest of a tie: a right answer.
int colourWithMostBlocks(const GameGlobals& g);

// The digit key of colour k (1 to 10): "1" to "9", "0" for 10.
constexpr char answerKeyOf(int colour) {
    return static_cast<char>('0' + colour % 10);
}

}  // namespace core

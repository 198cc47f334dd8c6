#include "core/PlayRules.h"

#include <algorithm>

#include "core/BestTen.h"
#include "core/Sounds.h"
#include "core/WrappingArithmetic.h"

namespace core {

namespace {

// The spawn (step 7.2): tries random cells, c drawn before r, until one is empty or the board
// is full. A full board still makes one try (two draws) and then receives nothing.
void spawnBlock(GameGlobals& g) {
    bool placed = false;
    do {
        const int c = g.Random.next(BoardSize);
        const int r = g.Random.next(BoardSize);
        std::uint8_t& cell = g.Board[c * BoardSize + r];
        if (cell == 0) {
            std::int32_t colour = g.Random.next(g.ColorRange) + 1;
            if (g.Random.next(g.Level / 10 + 5) == 0) {
                colour = g.LuckyColor;
            }
            cell = static_cast<std::uint8_t>(colour);
            g.ColorCounts[colour] += 1;
            g.BlockCount += 1;
            g.PendingSound = cueOf(KnockSound);
            placed = true;
        }
    } while (!placed && g.BlockCount != CellCount);
}

}  // namespace

void stepNewGame(GameGlobals& g) {
    // 1. Every value of the data model to its new-game value; one draw.
    g.ColorCounts.fill(0);
    g.BlockCount = 0;
    g.Level = 1;
    g.ColorRange = 2;
    g.LuckyColor = g.Random.next(2) + 1;
    g.Score = 0;
    g.LastPoints = 0;
    g.TimeLeft = FullTime;
    g.Life = FullLife;
    g.Combo = 0;
    g.ClearsThisLevel = 0;
    g.PhaseClock = 0;
    g.GameOverPhase = 0;
    g.ClearedBlocks = 0;
    g.PulseTile = 12;
    g.PulseStep = 1;
    g.PulseClock = 0;
    // 2. The covered board.
    g.Board.fill(CurtainCell);
    // 3.
    g.State = gsCurtain;
    g.PendingSound = cueOf(ReadySound);
}

void stepCurtain(GameGlobals& g) {
    for (int i = 0; i < 21; ++i) {
        const int r = g.Random.next(BoardSize);
        const int c = g.Random.next(BoardSize);
        g.Board[c * BoardSize + r] = 0;
    }
    g.PhaseClock = wrapAdd(g.PhaseClock, 1);
    if (g.PhaseClock > CurtainFrames - 1) {
        g.Board.fill(0);
        g.State = gsPlay;
        g.PhaseClock = 0;
    }
}

void stepPlayRules(GameGlobals& g, std::int32_t lagCount) {
    // 1. Time drain.
    if (g.GameOverPhase == 0) {
        g.TimeLeft = wrapSub(g.TimeLeft, wrapAdd(g.Level / 5, lagCount));
    }
    // 2. Time-out.
    if (g.TimeLeft < 1) {
        g.Life = wrapSub(g.Life, 20);
        g.TimeLeft = FullTime;
        g.Combo = 0;
        g.PendingSound = cueOf(WrongSound);
    }
    // 3. End test.
    if (g.Life < 1 && g.GameOverPhase == 0) {
        g.GameOverPhase = 1;
    }
    // 4. End step.
    if (g.GameOverPhase == 1) {
        g.Life = 0;
        g.PendingSound = cueOf(GameOverSound);
        g.GameOverPhase = 2;
        g.NewRank = 0;
        EnterResult(g, g.Score, g.Level, g.ClearedBlocks);
    }
    // 5. Spawn clock.
    if (g.GameOverPhase == 0) {
        g.PhaseClock = wrapAdd(g.PhaseClock, lagCount);
    }
    // 6. Refill, whatever the game-over phase.
    if (g.BlockCount < wrapAdd(g.Level, 9)) {
        g.PhaseClock = 1200;
    }
    // 7. Spawn, whatever the game-over phase.
    if (g.PhaseClock > wrapSub(1000, wrapMul(g.Level / 10, 100))) {
        g.PhaseClock = 0;
        spawnBlock(g);
    }
}

int colourWithMostBlocks(const GameGlobals& g) {
    const auto most = std::max_element(g.ColorCounts.begin() + 1, g.ColorCounts.end());
    return static_cast<int>(most - g.ColorCounts.begin());
}

void keyPressAnswer(GameGlobals& g, char key) {
    // 1.
    if (g.State != gsPlay || key < '0' || key > '9' || g.GameOverPhase > 0) {
        return;
    }
    // 2.
    const int k = key == '0' ? 10 : key - '0';
    // 3. Judge against the largest count; ties (and an empty board) are accepted.
    const std::int32_t most = g.ColorCounts[colourWithMostBlocks(g)];
    if (g.ColorCounts[k] == most) {
        // 4. Correct answer.
        g.LastPoints = wrapAdd(wrapAdd(g.TimeLeft / 120, wrapMul(k, g.ColorCounts[k])),
                               wrapMul(wrapAdd(g.Combo, 1), g.Level));
        g.Score = wrapAdd(g.Score, g.LastPoints);
        g.Life = wrapAdd(g.Life, k);
        if (g.Life > FullLife) {
            g.Life = FullLife;
        }
        for (std::uint8_t& cell : g.Board) {
            if (cell == k) {
                cell = 0;
                g.BlockCount -= 1;
                g.ClearedBlocks = wrapAdd(g.ClearedBlocks, 1);
            }
        }
        g.ColorCounts[k] = 0;
        g.TimeLeft = FullTime;
        g.Combo = wrapAdd(g.Combo, 1);
        g.LuckyColor = g.Random.next(g.ColorRange) + 1;  // the range from before the level-up
        g.ClearsThisLevel += 1;
        if (g.ClearsThisLevel > 4) {
            g.Level = wrapAdd(g.Level, 1);
            g.ClearsThisLevel = 0;
            g.ColorRange += 1;
            if (g.ColorRange > 10) {
                g.ColorRange = 1;
            }
        }
        g.PendingSound = cueOf(RightSound);
    } else {
        // 5. Wrong answer.
        g.Combo = 0;
        g.Life = wrapSub(g.Life, 10);
        g.PendingSound = cueOf(WrongSound);
    }
}

}  // namespace core

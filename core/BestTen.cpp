#include "core/BestTen.h"

#include "core/GameGlobals.h"
#include "protocol/RankingProtocol.h"

namespace core {

BestTenTable defaultBestTen() {
    BestTenTable table;
    for (int i = 1; i <= 10; ++i) {
        table[i - 1] = {5500 - 500 * i, 11 - i, 110 - 10 * i};
    }
    return table;
}

void fillDefaultBestTen(GameGlobals& g) {
    g.BestTen = defaultBestTen();
    g.PassValue = 0;
}

void EnterResult(GameGlobals& g, std::int32_t score, std::int32_t level, std::int32_t blocks) {
    g.NewRank = 0;
    for (int n = 10; n >= 1; --n) {
        if (g.BestTen[n - 1].Score < score) {
            g.NewRank = n;
            if (n < 10) {
                g.BestTen[n] = g.BestTen[n - 1];
            }
            g.BestTen[n - 1] = {score, level, blocks};
        }
    }
    if (g.NewRank == 1) {
        const THiScoreEntry& best = g.BestTen[0];
        g.PassValue = protocol::passValueOf(best.Score, best.Level, best.Blocks);
    }
}

}  // namespace core

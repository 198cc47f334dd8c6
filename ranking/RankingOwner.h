#pragma once
// What the dialog needs of the game that opens it: the best result to send (with its replay,
// when the game kept one), the check value that allows sending it, the remembered player name,
// and the window it is shown over.

#include <cstdint>
#include <string>

#include "platform/Window.h"

namespace ranking {

struct BestResult {
    std::int32_t Score = 0;
    std::int32_t Level = 0;
    std::int32_t Blocks = 0;
    // The check value under which the result may still be sent.
    std::int32_t SendablePassValue = 0;
    // The bytes of the replay file that proves the result; empty when there is none to send.
    std::string ReplayFile;
};

struct RankingOwner {
    platform::Window& Window;
    BestResult Best;
    // Set to 0 once the result has been sent, so it is never sent twice.
    std::int32_t& PassValue;
    std::string& PlayerName;  // Shift-JIS bytes
};

}  // namespace ranking

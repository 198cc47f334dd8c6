#pragma once
// The replays the game keeps: `replays/` of the save folder. The replay of every entry that
// stands in the best-ten table stays as long as the entry does; besides those, the last
// KeptRecentGames games; the rest is removed.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <vector>

#include "core/BestTen.h"
#include "replay/Replay.h"

namespace game {

inline constexpr const char* ReplayFolderName = "replays";
inline constexpr std::size_t KeptRecentGames = 20;

class ReplayShelf {
  public:
    // dataFolder empty: the working folder.
    explicit ReplayShelf(std::filesystem::path dataFolder);

    // Writes the replay atomically, then removes what is no longer kept. Throws
    // std::runtime_error with the reason; the replays already kept stay.
    std::filesystem::path store(const replay::Replay& game, const core::BestTenTable& table);

    // The replay of the best-placed entry that has one that holds.
    std::optional<replay::Replay> bestReplay(const core::BestTenTable& table) const;
    // The file of the newest replay of entry's result that holds; none when none is kept.
    std::optional<std::filesystem::path> replayFileOf(const core::THiScoreEntry& entry) const;

  private:
    struct Shelved {
        std::filesystem::path path;
        replay::Replay game;
    };

    // The readable replays, the newest first; files that cannot be read are left alone.
    std::vector<Shelved> shelved() const;
    // The newest of games whose replay reaches entry's result; none when none does.
    static const Shelved* holdingReplayOf(const core::THiScoreEntry& entry,
                                          const std::vector<Shelved>& games);
    void removeUnkept(const core::BestTenTable& table) const;
    std::filesystem::path freshName(const replay::Replay& game) const;

    std::filesystem::path folder_;
};

}  // namespace game

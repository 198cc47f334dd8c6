#include "game/ReplayShelf.h"

#include <algorithm>
#include <ctime>
#include <string>
#include <system_error>

#include "game/TimeStamp.h"
#include "replay/ReplayFile.h"
#include "replay/Verification.h"

namespace game {

namespace {

namespace fs = std::filesystem;

}  // namespace

ReplayShelf::ReplayShelf(std::filesystem::path dataFolder)
    : folder_(std::move(dataFolder) / ReplayFolderName) {}

fs::path ReplayShelf::store(const replay::Replay& game, const core::BestTenTable& table) {
    std::error_code error;
    fs::create_directories(folder_, error);
    if (error) {
        throw std::runtime_error(folder_.string() + ": " + error.message());
    }
    const fs::path path = freshName(game);
    replay::writeReplayFile(path, game);
    removeUnkept(table);
    return path;
}

fs::path ReplayShelf::freshName(const replay::Replay& game) const {
    const std::string stamp = utcStampOf(game.playedAtMs);
    fs::path path = folder_ / (stamp + std::string(replay::FileExtension));
    for (int copy = 2; fs::exists(path); ++copy) {
        path = folder_ / (stamp + "-" + std::to_string(copy) + std::string(replay::FileExtension));
    }
    return path;
}

std::vector<ReplayShelf::Shelved> ReplayShelf::shelved() const {
    std::vector<Shelved> found;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_, error)) {
        if (!entry.is_regular_file(error) || entry.path().extension() != replay::FileExtension) {
            continue;
        }
        try {
            found.push_back({entry.path(), replay::readReplayFile(entry.path())});
        } catch (const std::exception&) {
            // Not ours to judge: a damaged or foreign file stays where it is.
        }
    }
    std::sort(found.begin(), found.end(), [](const Shelved& a, const Shelved& b) {
        return a.game.playedAtMs != b.game.playedAtMs ? a.game.playedAtMs > b.game.playedAtMs
                                                      : a.path > b.path;
    });
    return found;
}

void ReplayShelf::removeUnkept(const core::BestTenTable& table) const {
    std::vector<Shelved> games = shelved();
    std::vector<bool> kept(games.size(), false);
    for (std::size_t i = 0; i < games.size() && i < KeptRecentGames; ++i) {
        kept[i] = true;
    }
    // Each entry keeps the newest replay of its result; equal entries keep one each.
    std::vector<bool> taken(games.size(), false);
    for (const core::THiScoreEntry& entry : table) {
        for (std::size_t i = 0; i < games.size(); ++i) {
            if (!taken[i] && games[i].game.claim == replay::claimOf(entry)) {
                taken[i] = kept[i] = true;
                break;
            }
        }
    }
    for (std::size_t i = 0; i < games.size(); ++i) {
        if (!kept[i]) {
            std::error_code ignored;
            fs::remove(games[i].path, ignored);
        }
    }
}

std::optional<replay::Replay> ReplayShelf::bestReplay(const core::BestTenTable& table) const {
    const std::vector<Shelved> games = shelved();
    for (const core::THiScoreEntry& entry : table) {
        if (const Shelved* found = holdingReplayOf(entry, games)) {
            return found->game;
        }
    }
    return std::nullopt;
}

std::optional<fs::path> ReplayShelf::replayFileOf(const core::THiScoreEntry& entry) const {
    const std::vector<Shelved> games = shelved();
    if (const Shelved* found = holdingReplayOf(entry, games)) {
        return found->path;
    }
    return std::nullopt;
}

const ReplayShelf::Shelved* ReplayShelf::holdingReplayOf(const core::THiScoreEntry& entry,
                                                         const std::vector<Shelved>& games) {
    const auto found = std::ranges::find_if(games, [&entry](const Shelved& shelf) {
        return shelf.game.claim == replay::claimOf(entry) && replay::verifyReplay(shelf.game).valid;
    });
    return found == games.end() ? nullptr : &*found;
}

}  // namespace game

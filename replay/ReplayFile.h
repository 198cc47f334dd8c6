#pragma once
// A replay as a file on disk.

#include <filesystem>

#include "replay/Replay.h"

namespace replay {

// Reads at most 4 MB and one byte. Throws ReplayError whose text names the file.
Replay readReplayFile(const std::filesystem::path& path);

// Atomic: a temporary file in the same folder, written, synced and renamed over `path`, then
// the folder synced; a reader sees the old file or the whole new one. On failure the temporary
// is removed and a ReplayError (a replay no file can hold) or std::system_error (the system's
// reason) names the file.
void writeReplayFile(const std::filesystem::path& path, const Replay& replay);

}  // namespace replay

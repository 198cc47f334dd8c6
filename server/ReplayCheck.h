#pragma once
// Whether a submission's replay proves its result: the replay is re-run through the game's
// rules and must reach exactly the submitted score, level and blocks.

#include <optional>
#include <string>

#include "server/Entry.h"

namespace server {

// Why the replay does not prove the entry, in plain English; nothing when it does.
std::optional<std::string> replayRefusal(const Entry& entry);

}  // namespace server

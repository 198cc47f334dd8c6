#pragma once
// A moment as a file name's stamp: "20261209-081935-123", UTC, so that names sort by time.

#include <cstdint>
#include <string>

namespace game {

std::string utcStampOf(std::int64_t utcMs);

}  // namespace game

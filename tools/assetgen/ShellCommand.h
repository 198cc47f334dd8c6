#pragma once
// Runs an external tool through the shell and collects what it writes to standard output.

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

// Throws when the command cannot start or ends unsuccessfully.
std::vector<std::uint8_t> runCollectingOutput(const std::string& command);

}  // namespace assetgen

#pragma once
// The replay file a submission carries as its body.

#include <filesystem>
#include <string>

namespace ranking {

// The file's bytes; empty when it cannot be read or holds more than protocol::MaxReplayBytes,
// so that the entry goes without it rather than not at all.
std::string readReplayAttachment(const std::filesystem::path& path);

}  // namespace ranking

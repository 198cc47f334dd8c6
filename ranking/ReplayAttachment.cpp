#include "ranking/ReplayAttachment.h"

#include <fstream>

#include "protocol/RankingProtocol.h"

namespace ranking {

std::string readReplayAttachment(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    // One byte past the bound tells a file that is too large.
    std::string bytes(protocol::MaxReplayBytes + 1, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.is_open() || file.bad()) {
        return {};
    }
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes.size() > protocol::MaxReplayBytes ? std::string() : bytes;
}

}  // namespace ranking

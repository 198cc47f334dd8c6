#include "server/ReplayCheck.h"

#include <stdexcept>

#include "replay/ReplayCodec.h"
#include "replay/Verification.h"

namespace server {

namespace {

std::string shown(const replay::Claim& claim) {
    return "score " + std::to_string(claim.score) + ", level " + std::to_string(claim.level) +
           ", blocks " + std::to_string(claim.blocks);
}

}  // namespace

std::optional<std::string> replayRefusal(const Entry& entry) {
    replay::Replay replay;
    try {
        replay = replay::decodeReplay(entry.replay);
    } catch (const std::exception& error) {
        return "The replay cannot be read: " + std::string(error.what());
    }
    const replay::Verdict verdict = replay::verifyReplay(replay);
    if (!verdict.valid) {
        return "The replay does not verify: " + verdict.reason;
    }
    const replay::Claim submitted{entry.score, entry.level, entry.blocks};
    if (verdict.reached != submitted) {
        return "The replay reaches " + shown(verdict.reached) + ", not the submitted " +
               shown(submitted) + ".";
    }
    return std::nullopt;
}

}  // namespace server

#include "tools/replay/ReplayCommands.h"

#include <algorithm>
#include <filesystem>
#include <numeric>

#include "replay/ReplayCodec.h"
#include "replay/ReplayError.h"
#include "replay/ReplayFile.h"
#include "replay/Verification.h"
#include "tools/replay/JsonText.h"
#include "tools/replay/UtcTime.h"

namespace tools {

namespace {

std::string verdictLine(const std::string& file, const replay::Verdict& verdict) {
    return "{\"file\":" + jsonString(file) + ",\"valid\":" + (verdict.valid ? "true" : "false") +
           ",\"score\":" + std::to_string(verdict.claimed.score) +
           ",\"level\":" + std::to_string(verdict.claimed.level) +
           ",\"blocks\":" + std::to_string(verdict.claimed.blocks) +
           ",\"frames\":" + std::to_string(verdict.frames) +
           ",\"play_ms\":" + std::to_string(verdict.playMs) +
           ",\"reason\":" + jsonString(verdict.reason) + "}";
}

// The name as typed, but no terminal controls.
std::string printableName(std::string name) {
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, '?');
    return name;
}

std::string claimText(const replay::Claim& claim) {
    return "score " + std::to_string(claim.score) + ", level " + std::to_string(claim.level) +
           ", blocks " + std::to_string(claim.blocks);
}

}  // namespace

int verifyReplays(const std::vector<std::string>& files, std::ostream& out) {
    bool allValid = true;
    for (const std::string& file : files) {
        const replay::Verdict verdict = replay::verifyReplayFile(file);
        out << verdictLine(file, verdict) << '\n' << std::flush;
        allValid = allValid && verdict.valid;
    }
    return allValid ? 0 : 1;
}

int describeReplay(const std::string& file, std::ostream& out, std::ostream& err) {
    replay::Replay replay;
    try {
        replay = replay::readReplayFile(file);
    } catch (const replay::ReplayError& error) {
        err << "pudorock-replay: " << error.what() << '\n';
        return 1;
    }
    std::error_code sizeUnknown;
    const auto size = std::filesystem::file_size(file, sizeUnknown);
    out << "file: " << printableName(file) << '\n'
        << "size: " << (sizeUnknown ? std::string("unknown") : std::to_string(size) + " bytes")
        << '\n'
        << "format: " << replay::FormatVersion << '\n'
        << "rules: " << replay.rulesVersion << '\n'
        << "random state: " << replay.randomState << '\n'
        << "played at: " << isoUtcOf(replay.playedAtMs) << '\n'
        << "claim: " << claimText(replay.claim) << '\n'
        << "frames: " << replay.lags.size() << '\n'
        << "answers: " << replay.answers.size() << '\n'
        << "play time: " << std::accumulate(replay.lags.begin(), replay.lags.end(), std::int64_t{0})
        << " ms\n";
    return 0;
}

}  // namespace tools

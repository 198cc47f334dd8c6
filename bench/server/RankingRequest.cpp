// ranking-request: what the server benchmark sends, from the protocol rather than a copy of it.
//   ranking-request page    the ranking page's path
//   ranking-request entry   a submission's target, with {name}, {score}, {level}, {blocks} and
//                           {check} for the benchmark's script to fill in
//   ranking-request replay FILE
//                           writes a recorded game of a few minutes to FILE and prints its
//                           result's submission target, with {name} to fill in

#include <iostream>
#include <string>
#include <string_view>

#include "protocol/EntryQuery.h"
#include "protocol/RankingProtocol.h"
#include "replay/ReplayFile.h"
#include "tests/support/RecordedGame.h"

namespace {

std::string entryTemplate() {
    return std::string(protocol::RankingPath) + "?" +
           protocol::entryQuery({"{name}", "{score}", "{level}", "{blocks}", "{check}", "bench"});
}

// About three minutes of play, answered as a steady player would.
std::string recordedEntry(const char* path) {
    const replay::Replay game = testsupport::recordGame(2026, {.answerUntilFrame = 11'000});
    replay::writeReplayFile(path, game);
    const replay::Claim& claim = game.claim;
    return std::string(protocol::RankingPath) + "?" +
           protocol::entryQuery(
               {"{name}", std::to_string(claim.score), std::to_string(claim.level),
                std::to_string(claim.blocks),
                std::to_string(protocol::passValueOf(claim.score, claim.level, claim.blocks)),
                "bench"});
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view what = argc >= 2 ? argv[1] : "";
    if (what == "page" && argc == 2) {
        std::cout << protocol::RankingPath << '\n';
    } else if (what == "entry" && argc == 2) {
        std::cout << entryTemplate() << '\n';
    } else if (what == "replay" && argc == 3) {
        std::cout << recordedEntry(argv[2]) << '\n';
    } else {
        std::cerr << "usage: ranking-request page|entry|replay FILE\n";
        return 2;
    }
    return 0;
}

// ranking-request: what the server benchmark sends, from the protocol rather than a copy of it.
//   ranking-request page    the ranking page's path
//   ranking-request entry   a submission's target, with {name}, {score}, {level}, {blocks} and
//                           {check} for the benchmark's script to fill in

#include <iostream>
#include <string>
#include <string_view>

#include "protocol/EntryQuery.h"
#include "protocol/RankingProtocol.h"

namespace {

std::string entryTemplate() {
    return std::string(protocol::RankingPath) + "?" +
           protocol::entryQuery({"{name}", "{score}", "{level}", "{blocks}", "{check}", "bench"});
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view what = argc == 2 ? argv[1] : "";
    if (what == "page") {
        std::cout << protocol::RankingPath << '\n';
    } else if (what == "entry") {
        std::cout << entryTemplate() << '\n';
    } else {
        std::cerr << "usage: ranking-request page|entry\n";
        return 2;
    }
    return 0;
}

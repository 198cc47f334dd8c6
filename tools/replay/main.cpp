// pudorock-replay: checks recorded games (verify) and shows what a replay holds (info).
// Exit status: 0 done and every replay valid, 1 a replay invalid or unreadable, 2 a usage error.

#include <CLI/CLI.hpp>

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "tools/replay/ReplayCommands.h"
#include "version/Version.h"

namespace {

constexpr int UsageStatus = 2;

int run(int argc, char** argv) {
    CLI::App app("Checks and describes replays of プドロク (.pdrp files).", "pudorock-replay");
    app.set_help_flag("--help", "Print this help, then exit");
    app.set_version_flag("--version", std::string("pudorock-replay ") + version::Version,
                         "Print the name and version, then exit");
    app.require_subcommand(1);
    app.footer(
        "Exit status: 0 every replay valid (info: read), 1 a replay not valid or not "
        "readable, 2 a usage error.");
    std::vector<std::string> files;
    CLI::App* verify = app.add_subcommand(
        "verify", "Re-run each replay's game and check its claimed result: one JSON line a file");
    verify->add_option("FILE", files, "A replay file")->required();
    std::string file;
    app.add_subcommand("info", "Show a replay's header and counts without re-running it")
        ->add_option("FILE", file, "A replay file")
        ->required();
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error, std::cout, std::cerr) == 0 ? 0 : UsageStatus;
    }
    if (verify->parsed()) {
        return tools::verifyReplays(files, std::cout);
    }
    return tools::describeReplay(file, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "pudorock-replay: " << error.what() << '\n';
        return 1;
    }
}

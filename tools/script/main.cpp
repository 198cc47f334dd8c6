// pudorock-script [SCRIPT]: runs the game headless from a script (or standard input).

#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>

#include "tools/script/ScriptRunner.h"

namespace {

int run(int argc, char** argv) {
    CLI::App command{
        "Runs プドロク headless (SDL's dummy drivers) in the current folder, driven "
        "by a script, one command a line; # starts a comment anywhere on a line.",
        "pudorock-script"};
    std::string scriptFile;
    command.add_option("SCRIPT", scriptFile, "the script; standard input without it");
    try {
        command.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return command.exit(error) == 0 ? 0 : 2;
    }
    std::ifstream file;
    if (!scriptFile.empty()) {
        file.open(scriptFile);
        if (!file) {
            std::cerr << "pudorock-script: cannot read " << scriptFile << '\n';
            return 2;
        }
    }
    tools::ScriptRunner runner(std::cout);
    runner.run(scriptFile.empty() ? std::cin : file);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "pudorock-script: " << error.what() << '\n';
        return 1;
    }
}

// pudorock-script [SCRIPT]: runs the game headless from a script (or standard input).

#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>

#include "tools/script/ScriptRunner.h"

namespace {

int runScript(std::istream& script) {
    try {
        tools::ScriptRunner runner(std::cout);
        runner.run(script);
    } catch (const std::exception& error) {
        std::cerr << "pudorock-script: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
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
    if (scriptFile.empty()) {
        return runScript(std::cin);
    }
    std::ifstream script(scriptFile);
    if (!script) {
        std::cerr << "pudorock-script: cannot read " << scriptFile << '\n';
        return 2;
    }
    return runScript(script);
}

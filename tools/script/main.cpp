// pudorock-script [SCRIPT]: runs the game headless from a script (or standard input).

#include <fstream>
#include <iostream>

#include "tools/script/ScriptRunner.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: pudorock-script [SCRIPT]\n";
        return 2;
    }
    try {
        tools::ScriptRunner runner(std::cout);
        if (argc == 2) {
            std::ifstream script(argv[1]);
            if (!script) {
                std::cerr << "pudorock-script: cannot read " << argv[1] << '\n';
                return 2;
            }
            runner.run(script);
        } else {
            runner.run(std::cin);
        }
    } catch (const std::exception& error) {
        std::cerr << "pudorock-script: " << error.what() << '\n';
        return 1;
    }
    return 0;
}

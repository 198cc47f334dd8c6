#include "tools/assetgen/ShellCommand.h"

#include <sys/wait.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace assetgen {

std::vector<std::uint8_t> runCollectingOutput(const std::string& command) {
    auto closer = [](FILE* pipe) { return pclose(pipe); };
    std::unique_ptr<FILE, decltype(closer)> pipe(popen(command.c_str(), "r"), closer);
    if (!pipe) {
        throw std::runtime_error("cannot start: " + command);
    }
    std::vector<std::uint8_t> output;
    std::uint8_t buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0) {
        output.insert(output.end(), buffer, buffer + got);
    }
    const int status = pclose(pipe.release());
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("failed: " + command);
    }
    return output;
}

}  // namespace assetgen

// The http-get tool against a server that never answers: a signal ends it at once.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <optional>
#include <string>
#include <thread>

#include "tests/net/LoopbackServer.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
using nettest::LoopbackServer;

// Runs http-get on url with its output dropped; returns its process id.
pid_t startHttpGet(const std::string& url) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::string program = HTTP_GET_PATH;
    char* argv[] = {program.data(), const_cast<char*>(url.c_str()), nullptr};
    pid_t pid = -1;
    int error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

// The wait status once the process ends, or nothing after the timeout (it is then killed).
std::optional<int> waitForExit(pid_t pid, std::chrono::milliseconds timeout) {
    auto until = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            return status;
        }
        if (std::chrono::steady_clock::now() > until) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return std::nullopt;
        }
        std::this_thread::sleep_for(5ms);
    }
}

TEST(HttpGetTool, InterruptOrTerminateEndsAWaitingRequestAtOnceWithAFailureStatus) {
    LoopbackServer server([](int, const std::string&) { return nettest::silent(); });
    for (int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        const int connectionsBefore = server.connections();
        pid_t pid = startHttpGet(server.url("/"));
        ASSERT_GT(pid, 0);
        // Once it has connected, the request is waiting for the reply.
        for (int waited = 0; server.connections() == connectionsBefore && waited < 5000;
             waited += 5) {
            std::this_thread::sleep_for(5ms);
        }
        kill(pid, signal);
        std::optional<int> status = waitForExit(pid, 1000ms);
        ASSERT_TRUE(status.has_value()) << "still running a second after the signal";
        EXPECT_TRUE(WIFEXITED(*status));
        EXPECT_EQ(WEXITSTATUS(*status), 130);
    }
}

}  // namespace

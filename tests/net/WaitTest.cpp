// How the network waits spend their time: blocked rather than spinning, still dispatching the
// application's messages, on the application's clock, and given up when the program quits.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <string>
#include <thread>

#include "LoopbackServer.h"
#include "NetFixture.h"
#include "net/HttpClient.h"
#include "net/NetErrors.h"
#include "net/SocketHandle.h"

namespace nettest {
namespace {

using namespace std::chrono_literals;

std::chrono::nanoseconds threadCpuTime() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

LoopbackServer silentServer() {
    return LoopbackServer([](int, const std::string&) { return silent(); });
}

TEST_F(NetTest, WaitingOnASilentServerTakesAlmostNoProcessorTime) {
    LoopbackServer server = silentServer();
    net::THttpClient client(app);
    client.TimeOut = 500;
    auto start = threadCpuTime();
    EXPECT_THROW(client.Get(server.url("/")), net::EHttpError);
    // A spinning wait would take most of the half second.
    EXPECT_LT(threadCpuTime() - start, 50ms);
}

TEST_F(NetTest, MessagesPostedFromAnotherThreadAreDispatchedDuringAWait) {
    LoopbackServer server = silentServer();
    net::THttpClient client(app);
    std::thread poster([&] {
        std::this_thread::sleep_for(100ms);
        app.postTask([&] { client.Abort(); });
    });
    auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(client.Get(server.url("/")), std::exception);
    poster.join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
}

TEST_F(NetTest, QuittingTheProgramEndsTheRequestAtOnce) {
    LoopbackServer server = silentServer();
    net::THttpClient client(app);
    auto timer = app.setTimer(100, [&] { app.terminate(); });
    auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(client.Get(server.url("/")), std::exception);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
    app.killTimer(timer);
    // A request begun after the quit gives up at its first wait.
    start = std::chrono::steady_clock::now();
    EXPECT_THROW(client.Get(server.url("/")), std::exception);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 100ms);
}

using ManualWaitTest = BasicNetTest<platform::ManualClock>;

TEST_F(ManualWaitTest, ATurnWithNothingReadyLetsTheClockRunAndAReadyOneDoesNot) {
    int ends[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends), 0);
    net::SocketHandle near(ends[0]);
    net::SocketHandle far(ends[1]);
    std::uint32_t start = clock.milliseconds();
    app.waitForEvent(near.get(), POLLIN);
    EXPECT_GT(clock.milliseconds(), start);
    EXPECT_LE(clock.milliseconds() - start, 50u);

    ASSERT_EQ(::write(far.get(), "x", 1), 1);
    start = clock.milliseconds();
    app.waitForEvent(near.get(), POLLIN);
    EXPECT_EQ(clock.milliseconds(), start);
}

}  // namespace
}  // namespace nettest

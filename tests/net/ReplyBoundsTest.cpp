// What a hostile server cannot do to a request: make it keep more than the bounds of a reply in
// memory, or make it last longer than its time bound.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "LoopbackServer.h"
#include "NetFixture.h"
#include "net/HttpClient.h"
#include "net/NetErrors.h"

namespace nettest {
namespace {

using net::HttpFailure;
using net::THttpClient;

constexpr long AllowedGrowthKb = 32 * 1024;

// A field of /proc/self/status in kB.
long statusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string name; status >> name;) {
        if (name == field) {
            long kb = 0;
            status >> kb;
            return kb;
        }
    }
    return 0;
}

// Makes the peak resident size the present one; returns the present one.
long restartPeakKb() {
    std::ofstream("/proc/self/clear_refs") << "5";
    return statusKb("VmRSS:");
}

LoopbackServer replying(Reply reply) {
    return LoopbackServer([reply](int, const std::string&) { return reply; });
}

// The failure that ends Get, which must end with an HTTP error.
HttpFailure failureOfGet(THttpClient& client, const std::string& url) {
    try {
        client.Get(url);
    } catch (const net::EHttpError& error) {
        return error.failure();
    }
    ADD_FAILURE() << "Get ended without an HTTP error";
    return HttpFailure::BadRequest;
}

const std::string Ok = "HTTP/1.0 200 OK\r\n";

TEST_F(NetTest, EndlessRepliesEndAsTooLargeAndReleaseWhatTheyHeld) {
    const std::vector<std::pair<std::string, Reply>> cases{
        {"header lines", endless(Ok, "X-Filler: " + std::string(100, 'f') + "\r\n")},
        {"one header line", endless(Ok + "X-Long: ", std::string(4096, 'l'))},
        {"body", endless(Ok + "\r\n", std::string(65536, 'b'))},
    };
    THttpClient client(app);
    for (const auto& [name, reply] : cases) {
        SCOPED_TRACE(name);
        LoopbackServer server = replying(reply);
        long startKb = restartPeakKb();
        EXPECT_EQ(failureOfGet(client, server.url("/")), HttpFailure::ReplyTooLarge);
        EXPECT_LT(statusKb("VmHWM:") - startKb, AllowedGrowthKb);
        EXPECT_LT(client.Header.capacity() + client.Body.capacity(),
                  2 * THttpClient::MaxHeaderSize);
        EXPECT_FALSE(client.IsConnected());
    }
}

TEST_F(NetTest, ReplyAtTheBoundsIsKeptWholeAndOneByteMoreIsRefused) {
    // A status line, one filler line and the empty line, size bytes in all.
    auto headerOf = [](std::size_t size) {
        const std::string start = Ok + "X-Filler: ";
        return start + std::string(size - start.size() - 4, 'h') + "\r\n\r\n";
    };
    const std::string fullHeader = headerOf(THttpClient::MaxHeaderSize);
    const std::string fullBody(THttpClient::MaxBodySize, 'b');
    THttpClient client(app);

    LoopbackServer exact = replying(whole(fullHeader + fullBody));
    client.Get(exact.url("/"));
    EXPECT_EQ(client.Header, fullHeader);
    EXPECT_EQ(client.Body, fullBody);

    LoopbackServer longerHeader = replying(whole(headerOf(THttpClient::MaxHeaderSize + 1)));
    EXPECT_EQ(failureOfGet(client, longerHeader.url("/")), HttpFailure::ReplyTooLarge);
    LoopbackServer longerBody = replying(whole(fullHeader + fullBody + "b"));
    EXPECT_EQ(failureOfGet(client, longerBody.url("/")), HttpFailure::ReplyTooLarge);
    EXPECT_TRUE(client.Body.empty());
}

TEST_F(NetTest, ReplyWrittenToFilesIsBoundedTooAndTheFilesKeepTheirNames) {
    const std::string headerName = testing::TempDir() + "net-bounds-header.txt";
    const std::string bodyName = testing::TempDir() + "net-bounds-body.bin";
    THttpClient client(app);
    client.OutputFileMode = true;
    client.InputFileMode = true;
    client.Header = headerName;
    client.Body = bodyName;

    LoopbackServer endlessHeader =
        replying(endless(Ok, "X-Filler: " + std::string(100, 'f') + "\r\n"));
    EXPECT_EQ(failureOfGet(client, endlessHeader.url("/")), HttpFailure::ReplyTooLarge);
    EXPECT_EQ(client.Header, headerName);

    LoopbackServer endlessBody = replying(endless(Ok + "\r\n", std::string(65536, 'b')));
    EXPECT_EQ(failureOfGet(client, endlessBody.url("/")), HttpFailure::ReplyTooLarge);
    EXPECT_EQ(client.Body, bodyName);
    std::ifstream file(bodyName, std::ios::binary | std::ios::ate);
    EXPECT_LE(static_cast<std::size_t>(file.tellg()),
              THttpClient::MaxBodySize + net::TSocketClient::IoBufferSize);
    std::remove(headerName.c_str());
    std::remove(bodyName.c_str());
}

TEST_F(NetTest, OneLineNowAndThenCannotStretchTheRequestPastItsBound) {
    LoopbackServer server = replying(endless(Ok, "X-Drip: 1\r\n", 200));
    THttpClient client(app);
    client.TimeOut = 1000;
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(failureOfGet(client, server.url("/")), HttpFailure::TimedOut);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));
}

using SimulatedTimeTest = BasicNetTest<platform::ManualClock>;

TEST_F(SimulatedTimeTest, DefaultBoundEndsADripOnTheApplicationsClock) {
    LoopbackServer server = replying(endless(Ok, "X-Drip: 1\r\n", 50));
    THttpClient client(app);
    const std::uint32_t start = clock.milliseconds();
    EXPECT_EQ(failureOfGet(client, server.url("/")), HttpFailure::TimedOut);
    const std::uint32_t elapsed = clock.milliseconds() - start;
    EXPECT_GE(elapsed, net::TSocketClient::DefaultTimeOutMs);
    EXPECT_LT(elapsed, 31'000u);
}

TEST_F(SimulatedTimeTest, SilentServerEndsWithinTheBound) {
    LoopbackServer server = replying(silent());
    THttpClient client(app);
    client.TimeOut = 5000;
    const std::uint32_t start = clock.milliseconds();
    EXPECT_EQ(failureOfGet(client, server.url("/")), HttpFailure::TimedOut);
    EXPECT_LT(clock.milliseconds() - start, 5100u);
}

}  // namespace
}  // namespace nettest

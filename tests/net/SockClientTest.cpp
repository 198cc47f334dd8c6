#include "net/SockClient.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "LoopbackServer.h"
#include "NetFixture.h"
#include "net/NetErrors.h"
#include "net/NetMessages.h"
#include "net/SocketErrorCode.h"

namespace nettest {
namespace {

using net::EAbortError;
using net::ESockError;
using net::TSocketClient;

// A server that sends the reply as soon as the client connects.
LoopbackServer talker(Reply reply) {
    return LoopbackServer([reply](int, const std::string&) { return reply; }, false);
}

TSocketClient& pointAt(TSocketClient& client, const LoopbackServer& server) {
    client.Host = "127.0.0.1";
    client.Port = server.port();
    return client;
}

template <typename Error>
void expectError(const std::function<void()>& action, const std::string& text) {
    try {
        action();
        FAIL() << "no error, expected \"" << text << "\"";
    } catch (const Error& error) {
        EXPECT_EQ(error.what(), text);
    }
}

TEST_F(NetTest, DottedAddressConnectsWithoutLookupAndLinesArriveWholeFromPieces) {
    LoopbackServer server = talker(bytewise("HEL\r\nsecond line\nlast", 2));
    TSocketClient client(app);
    int resolved = 0;
    int connected = 0;
    client.OnHostResolved = [&](TSocketClient&) { ++resolved; };
    client.OnConnect = [&](TSocketClient&) { ++connected; };
    pointAt(client, server).Connect();
    EXPECT_TRUE(client.IsConnected());
    EXPECT_EQ(client.ReadLn(), "HEL\r\n");
    EXPECT_EQ(client.ReadLn(), "second line\n");
    // The peer closes before this line ends: it is dropped.
    EXPECT_EQ(client.ReadLn(), "");
    EXPECT_EQ(client.ReadLn(), "");
    EXPECT_EQ(resolved, 0);
    EXPECT_EQ(connected, 1);
}

TEST_F(NetTest, CaptureKeepsEveryByteWhateverTheChunksAndStopsAtItsLimit) {
    std::string payload;
    for (int i = 0; i < 150'000; ++i) {
        payload += static_cast<char>(i * 7);
    }
    LoopbackServer server = talker(Reply{{payload.substr(0, 2), payload.substr(2, 1),
                                          payload.substr(3, 70'000), payload.substr(70'003)},
                                         5});
    TSocketClient client(app);
    pointAt(client, server).Connect();
    std::string captured;
    client.CaptureString(captured, -1);
    EXPECT_EQ(captured, payload);
    EXPECT_EQ(client.BytesReceived(), static_cast<std::int64_t>(payload.size()));

    LoopbackServer holding(
        [](int, const std::string&) {
            return Reply{{"0123456789"}, 0, true};
        },
        false);
    TSocketClient second(app);
    pointAt(second, holding).Connect();
    second.CaptureString(captured, 4);
    EXPECT_GE(captured.size(), 4u);
    EXPECT_EQ(captured, std::string("0123456789").substr(0, captured.size()));
}

TEST_F(NetTest, RefusedConnectionReportsFailure) {
    ClosedPort closed;
    TSocketClient client(app);
    int failures = 0;
    client.OnConnectionFailed = [&](TSocketClient&) { ++failures; };
    client.Host = "127.0.0.1";
    client.Port = closed.port();
    expectError<ESockError>([&] { client.Connect(); }, "Connection Failed");
    EXPECT_EQ(failures, 1);
    EXPECT_FALSE(client.LastEventOk());
}

// The kind of the error raised by action.
net::SockFailure failureOf(const std::function<void()>& action, int* code = nullptr) {
    try {
        action();
    } catch (const ESockError& error) {
        if (code != nullptr) {
            *code = error.code();
        }
        return error.failure();
    }
    ADD_FAILURE() << "no socket error";
    return net::SockFailure::System;
}

TEST_F(NetTest, SocketErrorsTellTheirKindAndSystemCodeWithoutTheirText) {
    TSocketClient client(app);
    ClosedPort closed;
    client.Host = "127.0.0.1";
    client.Port = closed.port();
    EXPECT_EQ(failureOf([&] { client.Connect(); }), net::SockFailure::ConnectionFailed);
    client.Host = "no-such-host.invalid";
    EXPECT_EQ(failureOf([&] { client.Connect(); }), net::SockFailure::NullRemoteAddress);

    // The pause lets the connection complete before it breaks.
    Reply part{{"", "no line end"}, 100};
    part.reset = true;
    LoopbackServer breaking = talker(part);
    TSocketClient reader(app);
    pointAt(reader, breaking).Connect();
    int code = 0;
    EXPECT_EQ(failureOf([&] { reader.ReadLn(); }, &code), net::SockFailure::System);
    EXPECT_EQ(code, 10054);
}

TEST_F(NetTest, NameThatDoesNotResolveGivesNullAddressAfterOneAllowedRetry) {
    TSocketClient client(app);
    client.Host = "no-such-host.invalid";
    client.Port = 80;
    int asked = 0;
    client.OnInvalidHost = [&](bool& handled) {
        ++asked;
        handled = true;
    };
    expectError<ESockError>([&] { client.Connect(); }, "Null Remote Address");
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(client.LastEventOk());
}

TEST_F(NetTest, NameResolvesOffTheInterfaceThread) {
    LoopbackServer server = talker(whole("hello\n"));
    TSocketClient client(app);
    int resolved = 0;
    client.OnHostResolved = [&](TSocketClient&) { ++resolved; };
    client.Host = "localhost";
    client.Port = server.port();
    client.Connect();
    EXPECT_EQ(resolved, 1);
    EXPECT_EQ(client.ReadLn(), "hello\n");
}

TEST_F(NetTest, ConnectTwiceIsRefusedAndTheReplacementSocketConnectsAgain) {
    LoopbackServer server(
        [](int index, const std::string&) {
            return whole("connection " + std::to_string(index) + "\n");
        },
        false);
    TSocketClient client(app);
    int disconnects = 0;
    client.OnDisconnect = [&](TSocketClient&) { ++disconnects; };
    pointAt(client, server).Connect();
    expectError<ESockError>([&] { client.Connect(); }, "Already connected");
    EXPECT_EQ(client.ReadLn(), "connection 0\n");
    client.Disconnect();
    EXPECT_FALSE(client.IsConnected());
    client.Connect();
    EXPECT_EQ(client.ReadLn(), "connection 1\n");
    EXPECT_GE(disconnects, 1);
}

TEST_F(NetTest, SilentPeerEndsReadByTimeOut) {
    LoopbackServer server = talker(silent());
    TSocketClient client(app);
    client.TimeOut = 100;
    pointAt(client, server).Connect();
    expectError<EAbortError>([&] { client.ReadLn(); }, "Socket readln aborted");
    EXPECT_TRUE(client.TimeOutFired());
    EXPECT_FALSE(client.CancelRequested());
}

TEST_F(NetTest, CancelFromAnotherHandlerEndsCaptureWhileTheLoopRuns) {
    LoopbackServer server = talker(silent());
    TSocketClient client(app);
    int ticks = 0;
    auto timer = app.setTimer(20, [&] {
        if (++ticks == 3) {
            client.Cancel();
        }
    });
    pointAt(client, server).Connect();
    std::string captured;
    expectError<EAbortError>([&] { client.CaptureString(captured, -1); }, "Socket capture aborted");
    app.killTimer(timer);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(client.TimeOutFired());
}

TEST_F(NetTest, NegativeTimeOutIsRefusedByEveryWait) {
    LoopbackServer server = talker(silent());
    TSocketClient client(app);
    client.TimeOut = -1;
    expectError<ESockError>([&] { pointAt(client, server).Connect(); }, "No Timer");
    TSocketClient named(app);
    named.Host = "localhost";
    named.Port = server.port();
    named.TimeOut = -1;
    expectError<ESockError>([&] { named.Connect(); }, "No Timer");

    LoopbackServer late = talker(Reply{{"", "late\n"}, 200});
    TSocketClient reader(app);
    pointAt(reader, late).Connect();
    reader.TimeOut = -1;
    for (int wait = 0; wait < 2; ++wait) {
        expectError<ESockError>([&] { reader.ReadLn(); }, "No Timer");
    }
}

TEST_F(NetTest, WriteStopsAtTheFirstZeroByte) {
    LoopbackServer server([](int, const std::string&) { return whole(""); });
    TSocketClient client(app);
    pointAt(client, server).Connect();
    client.Write(std::string("GET\r\n\r\n\0hidden", 14));
    EXPECT_EQ(client.ReadLn(), "");
    client.Disconnect();
    EXPECT_EQ(server.requests().at(0), "GET\r\n\r\n");
}

using DefaultBoundSocketTest = BasicNetTest<ScaledClock>;

TEST_F(DefaultBoundSocketTest, TimeOutZeroStillBoundsEveryWait) {
    LoopbackServer server = talker(silent());
    TSocketClient client(app);
    pointAt(client, server).Connect();
    std::uint32_t start = clock.milliseconds();
    expectError<EAbortError>([&] { client.ReadLn(); }, "Socket readln aborted");
    EXPECT_GE(clock.milliseconds() - start, TSocketClient::DefaultTimeOutMs);
    EXPECT_TRUE(client.TimeOutFired());
}

TEST(SocketErrorText, SystemErrorsReadAsTheClassicTexts) {
    auto textOf = [](int posixErrno) {
        return net::messages::socketErrorText(net::socketErrorCode(posixErrno));
    };
    EXPECT_EQ(textOf(ECONNREFUSED), "10061:Connection refused");
    EXPECT_EQ(textOf(ETIMEDOUT), "10060:Connection timed out");
    EXPECT_EQ(textOf(ECONNRESET), "10054:Connection reset by peer");
    EXPECT_EQ(textOf(ENETUNREACH), "10051:Network is unreachable");
    EXPECT_EQ(textOf(EHOSTUNREACH), "10065:No route to Host");
    EXPECT_EQ(textOf(ENOTCONN), "10057:Socket is not connected");
    EXPECT_EQ(textOf(EWOULDBLOCK), "10035:Operation would block");
    EXPECT_EQ(textOf(EIO), "Unknown Error No. " + std::to_string(EIO));
    EXPECT_EQ(net::messages::socketErrorText(11001), "11001:Host not found");
    EXPECT_EQ(net::messages::socketErrorText(10000), "Unknown Error No. 10000");
}

}  // namespace
}  // namespace nettest

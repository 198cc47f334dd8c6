#include "net/SocketWatcher.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <utility>
#include <vector>

#include "NetFixture.h"

namespace nettest {
namespace {

using net::SocketEvent;

class SocketWatcherTest : public NetTest {
  protected:
    void SetUp() override { ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0); }
    void TearDown() override {
        ::close(ends[0]);
        ::close(ends[1]);
    }

    std::vector<SocketEvent> eventsAfterDispatch() {
        app.processMessages();
        return std::exchange(events, {});
    }

    int ends[2] = {-1, -1};
    std::vector<SocketEvent> events;
    net::SocketWatcher watcher{app};
};

TEST_F(SocketWatcherTest, ReadIsPostedOnceUntilReenabledAndCloseFollowsThePeer) {
    watcher.watch(ends[0], [this](SocketEvent event, int error) {
        EXPECT_EQ(error, 0);
        events.push_back(event);
    });
    EXPECT_EQ(eventsAfterDispatch(), std::vector{SocketEvent::Connect});
    ASSERT_EQ(::write(ends[1], "x", 1), 1);
    EXPECT_EQ(eventsAfterDispatch(), std::vector{SocketEvent::Read});
    EXPECT_EQ(eventsAfterDispatch(), std::vector<SocketEvent>{});
    watcher.reenable(ends[0], SocketEvent::Read);
    EXPECT_EQ(eventsAfterDispatch(), std::vector{SocketEvent::Read});

    ::shutdown(ends[1], SHUT_WR);
    EXPECT_EQ(eventsAfterDispatch(), std::vector{SocketEvent::Close});
    EXPECT_EQ(eventsAfterDispatch(), std::vector<SocketEvent>{});
}

TEST_F(SocketWatcherTest, QueuedEventsOfAnEndedWatchAreDropped) {
    watcher.watch(ends[0], [this](SocketEvent event, int) { events.push_back(event); });
    watcher.poll();
    watcher.unwatch(ends[0]);
    EXPECT_EQ(eventsAfterDispatch(), std::vector<SocketEvent>{});
    EXPECT_EQ(watcher.pollIntervalMs(), 0u);
}

TEST_F(SocketWatcherTest, WaitingConnectionOnAListeningSocketPostsAccept) {
    int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), length), 0);
    ASSERT_EQ(listen(listener, 1), 0);
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    watcher.watch(listener, [this](SocketEvent event, int) { events.push_back(event); });
    EXPECT_EQ(eventsAfterDispatch(), std::vector<SocketEvent>{});

    int caller = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_EQ(::connect(caller, reinterpret_cast<sockaddr*>(&address), length), 0);
    EXPECT_EQ(eventsAfterDispatch(), std::vector{SocketEvent::Accept});
    EXPECT_EQ(eventsAfterDispatch(), std::vector<SocketEvent>{});
    watcher.unwatch(listener);
    ::close(caller);
    ::close(listener);
}

}  // namespace
}  // namespace nettest

#pragma once
// The socket notification service: watches non-blocking sockets and posts each of their events
// as a message to the user-interface thread, like a window message per event.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "platform/Application.h"

namespace net {

enum class SocketEvent { Read, OutOfBand, Accept, Connect, Close };

class SocketWatcher final : public platform::EventSource {
  public:
    // error: the errno of a failed connect or of a broken connection; 0 when there is none.
    using Handler = std::function<void(SocketEvent event, int error)>;

    // Registers with the application's loop for as long as it lives.
    explicit SocketWatcher(platform::Application& application);
    ~SocketWatcher() override;
    SocketWatcher(const SocketWatcher&) = delete;
    SocketWatcher& operator=(const SocketWatcher&) = delete;

    // Starts watching fd afresh, every event armed again; the messages of an earlier watch of
    // the same fd that are still queued are dropped. Call it again before each connect.
    void watch(int fd, Handler handler);
    // Call before closing fd: its number may come back for another socket.
    void unwatch(int fd);
    // Read, OutOfBand and Accept are posted once and then wait until the owner has received or
    // accepted again, so that unread data does not flood the queue.
    void reenable(int fd, SocketEvent event);

    void poll() override;
    std::uint32_t pollIntervalMs() const override;

  private:
    struct Watch;

    void pollOne(const std::shared_ptr<Watch>& watch);
    // Connect is reported once: an error, or a peer once the socket can write.
    void pollConnecting(const std::shared_ptr<Watch>& watch, short revents);
    void pollConnected(const std::shared_ptr<Watch>& watch, short revents);
    void post(const std::shared_ptr<Watch>& watch, SocketEvent event, int error = 0);

    platform::Application& application_;
    std::map<int, std::shared_ptr<Watch>> watches_;
};

}  // namespace net

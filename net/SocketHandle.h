#pragma once
// Owns one socket descriptor and closes it when it goes.

namespace net {

class SocketHandle {
  public:
    SocketHandle() = default;
    explicit SocketHandle(int fd) : fd_(fd) {}
    ~SocketHandle();
    SocketHandle(SocketHandle&& other) noexcept;
    SocketHandle& operator=(SocketHandle&& other) noexcept;
    SocketHandle(const SocketHandle&) = delete;
    SocketHandle& operator=(const SocketHandle&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now; returns close()'s result (errno is left set on failure). The handle is
    // invalid afterwards either way.
    int close();

  private:
    int fd_ = -1;
};

}  // namespace net

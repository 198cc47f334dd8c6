#pragma once
// A wake-up that any thread can give and a poll can wait for: the loop's blocking waits watch
// it, so that a message posted from a worker ends them at once.

namespace platform {

class WakeSignal {
  public:
    WakeSignal();
    ~WakeSignal();
    WakeSignal(const WakeSignal&) = delete;
    WakeSignal& operator=(const WakeSignal&) = delete;

    // Thread-safe; repeated signals before a clear count as one.
    void signal();
    void clear();
    // Readable while signalled.
    int fd() const { return fd_; }

  private:
    int fd_;
};

}  // namespace platform

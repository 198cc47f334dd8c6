#pragma once
// Gives a burst's memory back to the system. glibc keeps freed memory for later use, so after
// many large answers or bodies in flight the server would stay as large as at the burst's
// height. Looks once a second, on the network thread.

#include <vector>

#include "server/Beast.h"
#include "server/ByteBudget.h"

namespace server {

class MemoryTrim {
  public:
    MemoryTrim(asio::io_context& context, std::vector<ByteBudget*> watched);

    void start();
    void stop();

  private:
    void schedule();
    void look();

    asio::steady_timer timer_;
    std::vector<ByteBudget*> watched_;
    bool afterBurst_ = false;
    bool stopped_ = false;
};

}  // namespace server

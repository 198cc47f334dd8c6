#include "server/MemoryTrim.h"

#include <malloc.h>

#include <utility>

namespace server {

namespace {

constexpr std::chrono::seconds Interval{1};
// In flight at once, a burst; once the bytes in flight fall to the settled level it is over.
constexpr std::size_t BurstBytes = 8 * 1024 * 1024;
constexpr std::size_t SettledBytes = 1024 * 1024;

}  // namespace

MemoryTrim::MemoryTrim(asio::io_context& context, std::vector<ByteBudget*> watched)
    : timer_(context), watched_(std::move(watched)) {}

void MemoryTrim::start() {
    stopped_ = false;
    schedule();
}

void MemoryTrim::stop() {
    stopped_ = true;
    timer_.cancel();
}

void MemoryTrim::schedule() {
    timer_.expires_after(Interval);
    timer_.async_wait([this](const boost::system::error_code& error) {
        if (!error && !stopped_) {
            look();
            schedule();
        }
    });
}

void MemoryTrim::look() {
    std::size_t peak = 0;
    std::size_t total = 0;
    for (ByteBudget* budget : watched_) {
        peak += budget->takePeak();
        total += budget->total();
    }
    afterBurst_ = afterBurst_ || peak >= BurstBytes;
    if (afterBurst_ && total <= SettledBytes) {
        malloc_trim(0);
        afterBurst_ = false;
    }
}

}  // namespace server

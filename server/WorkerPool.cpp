#include "server/WorkerPool.h"

#include <algorithm>
#include <utility>

namespace server {

WorkerPool::WorkerPool(std::size_t workers, std::size_t maxWaiting) : maxWaiting_(maxWaiting) {
    const std::size_t count = std::max<std::size_t>(1, workers);
    threads_.reserve(count);
    for (std::size_t worker = 0; worker < count; ++worker) {
        threads_.emplace_back([this, worker] { run(worker); });
    }
}

WorkerPool::~WorkerPool() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_) {
        thread.join();
    }
}

bool WorkerPool::post(Job job) {
    {
        std::lock_guard lock(mutex_);
        if (stopping_ || waiting_.size() >= maxWaiting_) {
            return false;
        }
        waiting_.push(std::move(job));
    }
    wake_.notify_one();
    return true;
}

void WorkerPool::run(std::size_t worker) {
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
        if (waiting_.empty()) {
            return;
        }
        Job job = std::move(waiting_.front());
        waiting_.pop();
        lock.unlock();
        job(worker);
        lock.lock();
    }
}

}  // namespace server

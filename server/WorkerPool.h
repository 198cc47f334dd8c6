#pragma once
// A few threads that take work off the network thread: the jobs wait in a bounded queue, so
// that a crowd is refused at once instead of growing the server without end.

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <queue>
#include <thread>
#include <vector>

namespace server {

class WorkerPool {
  public:
    // Told which worker (from 0) runs it, so a job can use that worker's own resources.
    using Job = std::function<void(std::size_t worker)>;

    WorkerPool(std::size_t workers, std::size_t maxWaiting);
    // Runs the jobs that wait, then ends the threads.
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    std::size_t workers() const { return threads_.size(); }
    // False, and the job dropped, when maxWaiting jobs already wait or the pool stops.
    bool post(Job job);

  private:
    void run(std::size_t worker);

    std::size_t maxWaiting_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::queue<Job> waiting_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace server

#pragma once
// The one writer of the ranking: entries wait in a queue while it commits, and each commit
// takes every entry that is waiting, so that a crowd of submissions costs a few disk flushes
// instead of one each. An entry's answer is given only after its commit is durable.

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "server/Entry.h"
#include "server/RankOrder.h"
#include "server/RankingStore.h"
#include "server/Request.h"

namespace server {

class SubmissionWriter {
  public:
    // Where a stored entry stands.
    struct Placement {
        StoredEntry entry;
        std::int64_t rank = 0;  // from 1, among all entries
    };
    // The placement after the commit; nothing when storing failed.
    using Done = std::function<void(std::optional<Placement>)>;

    // Keeps order up to date with what it stores. Throws StorageError when the database cannot
    // be opened.
    SubmissionWriter(const std::string& databasePath, RankOrder& order, Deliver deliver);
    // Stores what is still waiting, then stops.
    ~SubmissionWriter();

    void submit(Entry entry, Done done);
    // Stores what is waiting and ends the writer's thread; later submissions fail.
    void stop();

  private:
    struct Waiting {
        Entry entry;
        Done done;
    };

    void run();
    void commit(std::vector<Waiting> batch);

    std::vector<std::optional<Placement>> store(std::vector<Waiting>& batch);

    RankingStore store_;
    RankOrder& order_;
    Deliver deliver_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<Waiting> waiting_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace server

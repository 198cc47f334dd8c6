#pragma once
// Reading off the network thread: a few workers, each with its own connection to the
// database, run the reads that may take time (pages, replays), so that the network thread
// never waits for the disk.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "server/RankingStore.h"
#include "server/Request.h"
#include "server/WorkerPool.h"

namespace server {

class PageReaders {
  public:
    // May throw Refusal; a StorageError is answered 503.
    using Read = std::function<Response(RankingStore& store)>;

    // Throws StorageError when the database cannot be opened.
    PageReaders(const std::string& databasePath, std::size_t workers, Deliver deliver);

    // Runs read on a worker and responds on the network thread; answers 503 at once when
    // too many reads wait.
    void read(Read read, Respond respond);

  private:
    std::vector<std::unique_ptr<RankingStore>> stores_;
    Deliver deliver_;
    WorkerPool pool_;  // last: its threads end before the stores close
};

}  // namespace server

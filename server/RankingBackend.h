#pragma once
// Everything behind the ranking's answers, made together from the database file: the order in
// memory, the one writer, the readers off the network thread, the replay checkers (one per
// core), and the network thread's own connection, which only asks whether the file changed.

#include <string>
#include <thread>

#include "server/PageReaders.h"
#include "server/RankOrder.h"
#include "server/RankingStore.h"
#include "server/Request.h"
#include "server/SubmissionWriter.h"
#include "server/WorkerPool.h"

namespace server {

struct RankingBackend {
    // Checks beyond this wait are answered 503 at once.
    static constexpr std::size_t MaxWaitingChecks = 256;
    static constexpr std::size_t Readers = 2;

    // deliver runs answers on the network thread. Throws StorageError.
    RankingBackend(const std::string& databasePath, const Deliver& deliver)
        : deliver(deliver),
          writer(databasePath, order, deliver),
          watcher(databasePath),
          readers(databasePath, Readers, deliver),
          checkers(std::thread::hardware_concurrency(), MaxWaitingChecks) {
        // Read now, so that the first visitor does not wait for a large ranking's order.
        order.follow(watcher);
    }

    // First: the workers below may still deliver while they end.
    Deliver deliver;
    RankOrder order;
    SubmissionWriter writer;
    RankingStore watcher;
    PageReaders readers;
    WorkerPool checkers;
};

}  // namespace server

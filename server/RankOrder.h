#pragma once
// The ranking's order in memory, shared by the threads that read pages and the one that
// writes: for all entries and for the verified ones. It follows the database: the writer
// tells it what it stored, and any other change (an entry removed with sqlite3, a second
// server on the file) is seen in the change count and read again in full.

#include <cstdint>
#include <mutex>
#include <optional>

#include "server/RankIndex.h"
#include "server/RankingStore.h"

namespace server {

class RankOrder {
  public:
    // Catches up with the database store reads; reads every key when somebody else changed it.
    void follow(RankingStore& store);
    // Inside the writer's transaction, before it commits.
    void stored(const StoreCommit& commit);
    // The writer's commit failed after stored(): the next follow reads everything again.
    void forget();

    std::int64_t size(bool verifiedOnly);
    std::optional<RankKey> at(bool verifiedOnly, std::int64_t position);
    // From 1, among all entries.
    std::int64_t rankOf(const RankKey& key);

  private:
    RankIndex& index(bool verifiedOnly) { return verifiedOnly ? verified_ : all_; }

    std::mutex mutex_;
    RankIndex all_;
    RankIndex verified_;
    // The change count the order reflects; -1 before the first reading.
    std::int64_t changes_ = -1;
};

}  // namespace server

#include "server/RankOrder.h"

#include <vector>

namespace server {

void RankOrder::follow(RankingStore& store) {
    std::lock_guard lock(mutex_);
    const std::int64_t changes = store.changes();
    // A count below ours is a reader's older snapshot of the writer's own change.
    if (changes_ >= 0 && changes <= changes_) {
        return;
    }
    std::vector<RankKey> all;
    std::vector<RankKey> verified;
    for (const KeyedEntry& entry : store.keys()) {
        all.push_back(entry.key);
        if (entry.verified) {
            verified.push_back(entry.key);
        }
    }
    all_.assign(std::move(all));
    verified_.assign(std::move(verified));
    changes_ = changes;
}

void RankOrder::stored(const StoreCommit& commit) {
    std::lock_guard lock(mutex_);
    if (changes_ != commit.changesBefore) {
        changes_ = -1;
        return;
    }
    for (const StoredEntry& entry : commit.stored) {
        all_.insert(entry.key);
        if (entry.verified) {
            verified_.insert(entry.key);
        }
    }
    changes_ = commit.changesAfter;
}

void RankOrder::forget() {
    std::lock_guard lock(mutex_);
    changes_ = -1;
}

std::int64_t RankOrder::size(bool verifiedOnly) {
    std::lock_guard lock(mutex_);
    return index(verifiedOnly).size();
}

std::optional<RankKey> RankOrder::at(bool verifiedOnly, std::int64_t position) {
    std::lock_guard lock(mutex_);
    return index(verifiedOnly).at(position);
}

std::int64_t RankOrder::rankOf(const RankKey& key) {
    std::lock_guard lock(mutex_);
    return all_.positionOf(key) + 1;
}

}  // namespace server

#include "server/SubmissionWriter.h"

#include <iostream>
#include <utility>

namespace server {

SubmissionWriter::SubmissionWriter(const std::string& databasePath, RankOrder& order,
                                   Deliver deliver)
    : store_(databasePath),
      order_(order),
      deliver_(std::move(deliver)),
      thread_([this] { run(); }) {}

SubmissionWriter::~SubmissionWriter() {
    stop();
}

void SubmissionWriter::submit(Entry entry, Done done) {
    {
        std::lock_guard lock(mutex_);
        if (!stopping_) {
            waiting_.push_back({std::move(entry), std::move(done)});
            wake_.notify_one();
            return;
        }
    }
    done(std::nullopt);
}

void SubmissionWriter::stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void SubmissionWriter::run() {
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
        if (waiting_.empty()) {
            return;
        }
        std::vector<Waiting> batch = std::exchange(waiting_, {});
        lock.unlock();
        commit(std::move(batch));
        lock.lock();
    }
}

void SubmissionWriter::commit(std::vector<Waiting> batch) {
    auto placements = store(batch);
    deliver_([batch = std::move(batch), placements = std::move(placements)] {
        for (std::size_t index = 0; index < batch.size(); ++index) {
            batch[index].done(placements[index]);
        }
    });
}

std::vector<std::optional<SubmissionWriter::Placement>> SubmissionWriter::store(
    std::vector<Waiting>& batch) {
    // The answers need no entry, so a replay's bytes are moved, not copied.
    std::vector<Entry> entries;
    entries.reserve(batch.size());
    for (Waiting& waiting : batch) {
        entries.push_back(std::move(waiting.entry));
    }
    std::vector<std::optional<Placement>> placements(batch.size());
    try {
        const auto stored =
            store_.add(entries, [this](const StoreCommit& commit) { order_.stored(commit); });
        order_.follow(store_);
        for (std::size_t index = 0; index < stored.size(); ++index) {
            placements[index] = Placement{stored[index], order_.rankOf(stored[index].key)};
        }
    } catch (const StorageError& error) {
        std::cerr << error.what() << std::endl;
        order_.forget();
    }
    return placements;
}

}  // namespace server

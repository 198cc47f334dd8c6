#include "server/SubmissionWriter.h"

#include <iostream>
#include <utility>

namespace server {

SubmissionWriter::SubmissionWriter(const std::string& databasePath, Deliver deliver)
    : store_(databasePath), deliver_(std::move(deliver)), thread_([this] { run(); }) {}

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
    done(false);
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
    std::vector<Entry> entries;
    entries.reserve(batch.size());
    for (const Waiting& waiting : batch) {
        entries.push_back(waiting.entry);
    }
    bool stored = true;
    try {
        store_.add(entries);
    } catch (const StorageError& error) {
        std::cerr << error.what() << std::endl;
        stored = false;
    }
    deliver_([batch = std::move(batch), stored] {
        for (const Waiting& waiting : batch) {
            waiting.done(stored);
        }
    });
}

}  // namespace server

#include "server/PageReaders.h"

#include <utility>

#include "server/Refusal.h"

namespace server {

namespace {

// Beyond this, a crowd of readers is told to come back rather than queued.
constexpr std::size_t MaxWaitingReads = 4096;

Response answered(const PageReaders::Read& read, RankingStore& store) {
    try {
        return read(store);
    } catch (const Refusal& refusal) {
        return textResponse(refusal.status(), refusal.what());
    } catch (const StorageError&) {
        return textResponse(503, "The ranking cannot be read just now.");
    }
}

}  // namespace

PageReaders::PageReaders(const std::string& databasePath, std::size_t workers, Deliver deliver)
    : deliver_(std::move(deliver)), pool_(workers, MaxWaitingReads) {
    // The pool's threads are running but take no job before read() is called.
    for (std::size_t worker = 0; worker < pool_.workers(); ++worker) {
        stores_.push_back(std::make_unique<RankingStore>(databasePath));
    }
}

void PageReaders::read(Read read, Respond respond) {
    const bool queued =
        pool_.post([this, read = std::move(read), respond](std::size_t worker) mutable {
            Response response = answered(read, *stores_[worker]);
            deliver_([respond = std::move(respond), response = std::move(response)]() mutable {
                respond(std::move(response));
            });
        });
    if (!queued) {
        respond(textResponse(503, "The ranking is busy; try again in a moment."));
    }
}

}  // namespace server

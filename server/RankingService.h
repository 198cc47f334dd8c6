#pragma once
// What the ranking answers: submissions from the game's dialog (with a replay, checked before
// they are stored), the ranking page in HTML or JSON, stored replays, and a clear status for
// anything else. Pages are read off the network thread; first pages are kept until the
// database changes.

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "server/QueryFields.h"
#include "server/RankingBackend.h"
#include "server/RankingPages.h"
#include "server/RateLimiter.h"
#include "server/Request.h"

namespace server {

class RankingService {
  public:
    using Respond = server::Respond;
    // Seconds since 1970: the time an entry is stamped with.
    using WallClock = std::function<std::int64_t()>;

    struct Settings {
        // GET submissions, which carry no replay, are refused.
        bool requireReplay = false;
    };

    // backend and limiter stay owned by the caller.
    RankingService(RankingBackend& backend, RateLimiter& limiter, WallClock wallClock,
                   Settings settings);
    RankingService(RankingBackend& backend, RateLimiter& limiter, WallClock wallClock)
        : RankingService(backend, limiter, std::move(wallClock), Settings{}) {}

    // Answers at once, or when the work behind the answer is done (on the network thread).
    void handle(const Request& request, Respond respond);

  private:
    enum Format { Html, Json };
    // The pages after a submission, in one language.
    struct Notices {
        std::shared_ptr<const std::string> thanks;
        std::shared_ptr<const std::string> storedBefore;
    };
    // A cached first page: its format, filter and language, and whether its links name it.
    using CacheKey = std::tuple<Format, bool, Language, bool>;

    static Notices noticesIn(Language language);
    void dispatch(const Request& request, const QueryFields& fields, Respond& respond);
    void submit(const Request& request, const QueryFields& fields, Respond& respond);
    void check(Entry entry, Language language, Respond respond);
    void store(Entry entry, Language language, Respond respond);
    void view(const PageQuery& query, Format format, Respond& respond);
    std::int64_t databaseVersion();

    static constexpr std::chrono::milliseconds VersionCheckPeriod{10};
    void serveReplay(const QueryFields& fields, Respond& respond);

    RankingBackend& backend_;
    RateLimiter& limiter_;
    WallClock wallClock_;
    Settings settings_;
    // First pages of all time, and the database version they show.
    std::map<CacheKey, std::shared_ptr<const std::string>> firstPages_;
    std::int64_t firstPagesVersion_ = -1;
    std::int64_t databaseVersion_ = 0;
    std::chrono::steady_clock::time_point versionCheckedAt_;
    std::array<Notices, 2> notices_;  // by Language
};

}  // namespace server

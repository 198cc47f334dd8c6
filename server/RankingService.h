#pragma once
// What the ranking answers: submissions from the game's dialog, the ranking page in HTML or
// JSON, and a clear status for anything else. The first page is rendered once per change.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "server/QueryFields.h"
#include "server/RankingStore.h"
#include "server/RateLimiter.h"
#include "server/Request.h"
#include "server/SubmissionWriter.h"

namespace server {

class RankingService {
  public:
    using Respond = std::function<void(Response)>;
    // Seconds since 1970: the time an entry is stamped with.
    using WallClock = std::function<std::int64_t()>;

    // Pages are read from reader; both stay owned by the caller.
    RankingService(RankingStore& reader, SubmissionWriter& writer, RateLimiter& limiter,
                   WallClock wallClock);

    // Answers at once, or, for a submission, when it is stored (through the writer's delivery).
    void handle(const Request& request, Respond respond);

  private:
    enum Format { Html, Json };

    void dispatch(const Request& request, const QueryFields& fields, Respond& respond);
    void submit(const Request& request, const QueryFields& fields, Respond& respond);
    Response view(const QueryFields& fields, Format format);
    std::shared_ptr<const std::string> render(int pageNumber, Format format);

    RankingStore& reader_;
    SubmissionWriter& writer_;
    RateLimiter& limiter_;
    WallClock wallClock_;
    std::array<std::shared_ptr<const std::string>, 2> firstPage_;
    std::shared_ptr<const std::string> thanks_;
};

}  // namespace server

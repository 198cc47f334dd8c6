#pragma once
// One result on the ranking: who sent it, what they scored, what they said.

#include <cstdint>
#include <string>

namespace server {

struct Entry {
    std::string name;     // UTF-8
    std::string comment;  // UTF-8
    std::int32_t score = 0;
    std::int32_t level = 0;
    std::int32_t blocks = 0;
    std::int64_t submittedAt = 0;  // seconds since 1970, UTC
    std::int64_t id{};             // given by the store
    // Whether a replay reached the result; only verified entries keep their replay.
    bool verified{};
    std::string replay{};  // the replay file; filled only on its way into the store
};

}  // namespace server

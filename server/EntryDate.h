#pragma once
// When an entry was submitted, as pages show it (UTC).

#include <cstdint>
#include <string>

namespace server {

// "2026-12-08 18:05"
std::string formatDate(std::int64_t secondsSince1970);
// "2026-12-08T18:05:04Z"
std::string formatIsoTime(std::int64_t secondsSince1970);

}  // namespace server

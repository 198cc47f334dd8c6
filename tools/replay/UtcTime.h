#pragma once
// A moment as ISO 8601 in UTC.

#include <cstdint>
#include <string>

namespace tools {

// Milliseconds since 1970 as "2024-05-01T12:34:56.789Z"; any 64-bit value has its date (years
// beyond 9999 or before 1 keep their digits and sign).
std::string isoUtcOf(std::int64_t msSince1970);

}  // namespace tools

#pragma once
// A submission from the game's ranking dialog, checked as the dialog checks what it may send.

#include <cstdint>

#include "server/Entry.h"
#include "server/QueryFields.h"

namespace server {

inline constexpr std::size_t NameCharacters = 10;
inline constexpr std::size_t CommentCharacters = 40;

// The entry a submission's fields describe (its time left at 0). Throws Refusal (400) with the
// reason when a field is missing, does not read as Shift-JIS, is empty, holds a control
// character or is too long, when a number is not a 32-bit decimal, when the result is not
// genuine, or when it is no result the game can reach.
Entry readSubmission(const QueryFields& fields);

// The dialog's sendability rule: the check value is score - level - blocks in 32-bit
// two's-complement arithmetic.
bool isGenuine(std::int32_t score, std::int32_t level, std::int32_t blocks, std::int32_t check);

}  // namespace server

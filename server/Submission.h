#pragma once
// A submission from the game's ranking dialog, checked as the dialog checks what it may send.

#include "server/Entry.h"
#include "server/QueryFields.h"

namespace server {

// The entry a submission's fields describe (its time left at 0). Throws Refusal (400) with the
// reason when a field is missing, does not read as Shift-JIS, is empty or only spaces, holds a
// control character or is too long, when a number is not a 32-bit decimal, when the result is not
// genuine, or when it is no result the game can reach.
Entry readSubmission(const QueryFields& fields);

}  // namespace server

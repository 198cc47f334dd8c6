#pragma once
// The range check of the component lists' item access.

#include <cstddef>

namespace media {

// Throws std::out_of_range unless 0 <= index < count.
void checkListIndex(int index, std::size_t count);

}  // namespace media

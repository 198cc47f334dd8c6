#include "media/ListIndex.h"

#include <stdexcept>
#include <string>

namespace media {

void checkListIndex(int index, std::size_t count) {
    if (index < 0 || static_cast<std::size_t>(index) >= count) {
        throw std::out_of_range("list index " + std::to_string(index) + " is out of bounds");
    }
}

}  // namespace media

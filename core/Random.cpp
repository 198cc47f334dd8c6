#include "core/Random.h"

namespace core {

std::uint32_t timeOfDaySeed(int hour, int minute, int second, int millisecond) {
    return static_cast<std::uint32_t>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond);
}

}  // namespace core

#pragma once
// Running a component's event property: an unassigned event is skipped.

#include <utility>

namespace media {

template <typename Event, typename... Args>
void fireEvent(const Event& event, Args&&... args) {
    if (event) {
        event(std::forward<Args>(args)...);
    }
}

}  // namespace media

#pragma once
// The ordered list through which a device tells the components that depend on it what happens
// to it: routines are told from the last registered to the first.

#include <functional>
#include <optional>
#include <vector>

namespace media {

template <typename Device, typename Kind>
class NotificationList {
  public:
    using Routine = std::function<void(Device& device, Kind kind)>;
    using Id = int;

    Id Add(Routine routine) {
        entries_.push_back(Entry{nextId_, std::move(routine)});
        return nextId_++;
    }

    // The routine that was registered under id, now removed; none if there was none.
    std::optional<Routine> Remove(Id id) {
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (it->id == id) {
                Routine routine = std::move(it->routine);
                entries_.erase(it);
                return routine;
            }
        }
        return std::nullopt;
    }

    // A routine may unregister itself, or others, while being told.
    void Notify(Device& device, Kind kind) const {
        const std::vector<Entry> snapshot = entries_;
        for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
            it->routine(device, kind);
        }
    }

  private:
    struct Entry {
        Id id;
        Routine routine;
    };
    std::vector<Entry> entries_;
    Id nextId_ = 1;
};

}  // namespace media

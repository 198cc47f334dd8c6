#pragma once
// The ordered list through which a device tells the components that depend on it what happens
// to it: routines are told from the last registered to the first. A routine joining late is
// caught up at once, and one leaving is told what it must let go of.

#include <exception>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace media {

template <typename Device, typename Kind>
class NotificationList {
  public:
    using Routine = std::function<void(Device& device, Kind kind)>;
    using Id = int;
    // The kinds a routine is told as it joins or as it leaves, from the device's state then.
    using Kinds = std::function<std::vector<Kind>()>;

    NotificationList(Device& device, Kinds joining, Kinds leaving)
        : device_(device), joining_(std::move(joining)), leaving_(std::move(leaving)) {}

    // Tells the routine the joining kinds. When one of them fails, the routine does not stay,
    // since the caller gets no id to unregister it with; it is told the leaving kinds so that
    // it lets go of what it took, and the first failure goes on.
    Id add(Routine routine) {
        const Id id = nextId_++;
        entries_.push_back(Entry{id, routine});
        try {
            tell(routine, joining_());
        } catch (...) {
            const std::exception_ptr failure = std::current_exception();
            try {
                remove(id);
            } catch (...) {
                // The failure to join is the one to report.
            }
            std::rethrow_exception(failure);
        }
        return id;
    }

    // Tells the routine the leaving kinds; an id not registered is ignored.
    void remove(Id id) {
        if (std::optional<Routine> routine = take(id)) {
            tell(*routine, leaving_());
        }
    }

    // A routine may unregister itself, or others, while being told.
    void notify(Kind kind) const {
        const std::vector<Entry> snapshot = entries_;
        for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
            it->routine(device_, kind);
        }
    }

  private:
    struct Entry {
        Id id;
        Routine routine;
    };

    std::optional<Routine> take(Id id) {
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            if (it->id == id) {
                Routine routine = std::move(it->routine);
                entries_.erase(it);
                return routine;
            }
        }
        return std::nullopt;
    }

    void tell(const Routine& routine, const std::vector<Kind>& kinds) {
        for (Kind kind : kinds) {
            routine(device_, kind);
        }
    }

    Device& device_;
    Kinds joining_;
    Kinds leaving_;
    std::vector<Entry> entries_;
    Id nextId_ = 1;
};

}  // namespace media

#pragma once
// Bytes that connections hold at once (answers being sent, request bodies being read) within a
// bound, so that many slow clients cannot take the server's memory. A reservation gives its
// bytes back when it ends.

#include <cstddef>
#include <functional>
#include <list>

namespace server {

class ByteBudget {
    struct Holder;
    using Holders = std::list<Holder>;

  public:
    class Reservation {
      public:
        Reservation() = default;
        Reservation(Reservation&& other) noexcept;
        Reservation& operator=(Reservation&& other) noexcept;
        Reservation(const Reservation&) = delete;
        Reservation& operator=(const Reservation&) = delete;
        ~Reservation() { release(); }

        // False when nothing was reserved, or the budget took it back.
        explicit operator bool() const { return budget_ != nullptr; }
        void release();

      private:
        friend class ByteBudget;
        Reservation(ByteBudget* budget, Holders::iterator holder);
        void adopt(Reservation& other);

        ByteBudget* budget_ = nullptr;
        Holders::iterator holder_;
    };

    explicit ByteBudget(std::size_t bound) : bound_(bound) {}
    ByteBudget(const ByteBudget&) = delete;
    ByteBudget& operator=(const ByteBudget&) = delete;

    // Nothing when the bytes do not fit beside what is held.
    Reservation tryReserve(std::size_t bytes);
    // Makes room by taking back the oldest reservations, telling each holder through the drop
    // it gave; nothing when the bytes alone exceed the bound.
    Reservation reserveDroppingOldest(std::size_t bytes, std::function<void()> drop);

    std::size_t total() const { return total_; }
    // The highest total since the last call.
    std::size_t takePeak();

  private:
    struct Holder {
        std::size_t bytes;
        std::function<void()> drop;
        Reservation* owner;
    };

    Reservation add(std::size_t bytes, std::function<void()> drop);
    void remove(Holders::iterator holder);
    void dropOldest();

    std::size_t bound_;
    std::size_t total_ = 0;
    std::size_t peak_ = 0;
    Holders holders_;  // oldest first
};

}  // namespace server

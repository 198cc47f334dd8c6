#include "server/ByteBudget.h"

#include <algorithm>
#include <utility>

namespace server {

ByteBudget::Reservation::Reservation(ByteBudget* budget, Holders::iterator holder)
    : budget_(budget), holder_(holder) {
    holder_->owner = this;
}

ByteBudget::Reservation::Reservation(Reservation&& other) noexcept {
    adopt(other);
}

ByteBudget::Reservation& ByteBudget::Reservation::operator=(Reservation&& other) noexcept {
    if (this != &other) {
        release();
        adopt(other);
    }
    return *this;
}

void ByteBudget::Reservation::adopt(Reservation& other) {
    budget_ = std::exchange(other.budget_, nullptr);
    holder_ = other.holder_;
    if (budget_ != nullptr) {
        holder_->owner = this;
    }
}

void ByteBudget::Reservation::release() {
    if (budget_ != nullptr) {
        std::exchange(budget_, nullptr)->remove(holder_);
    }
}

ByteBudget::Reservation ByteBudget::tryReserve(std::size_t bytes) {
    if (bytes > bound_ - total_) {
        return {};
    }
    return add(bytes, {});
}

ByteBudget::Reservation ByteBudget::reserveDroppingOldest(std::size_t bytes,
                                                          std::function<void()> drop) {
    if (bytes > bound_) {
        return {};
    }
    while (bytes > bound_ - total_) {
        dropOldest();
    }
    return add(bytes, std::move(drop));
}

std::size_t ByteBudget::takePeak() {
    return std::exchange(peak_, total_);
}

ByteBudget::Reservation ByteBudget::add(std::size_t bytes, std::function<void()> drop) {
    holders_.push_back({bytes, std::move(drop), nullptr});
    total_ += bytes;
    peak_ = std::max(peak_, total_);
    return {this, std::prev(holders_.end())};
}

void ByteBudget::remove(Holders::iterator holder) {
    total_ -= holder->bytes;
    holders_.erase(holder);
}

// The holder learns of it only after its bytes are back, so that it may reserve anew.
void ByteBudget::dropOldest() {
    const auto oldest = holders_.begin();
    std::function<void()> drop = std::move(oldest->drop);
    oldest->owner->budget_ = nullptr;
    remove(oldest);
    if (drop) {
        drop();
    }
}

}  // namespace server

#include "server/RankIndex.h"

#include <algorithm>

namespace server {

namespace {

// Small enough that an insert moves little, large enough that there are few blocks.
constexpr std::size_t BlockKeys = 2048;

}  // namespace

void RankIndex::assign(std::vector<RankKey> keys) {
    std::sort(keys.begin(), keys.end(), ranksBefore);
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    blocks_.clear();
    for (std::size_t first = 0; first < keys.size(); first += BlockKeys / 2) {
        const auto begin = keys.begin() + static_cast<std::ptrdiff_t>(first);
        const std::size_t count = std::min(BlockKeys / 2, keys.size() - first);
        blocks_.emplace_back(begin, begin + static_cast<std::ptrdiff_t>(count));
    }
    recount();
}

std::size_t RankIndex::blockFor(const RankKey& key) const {
    // The first block whose last key does not rank before key.
    const auto found = std::partition_point(
        blocks_.begin(), blocks_.end(), [&](const Block& b) { return ranksBefore(b.back(), key); });
    const auto index = static_cast<std::size_t>(found - blocks_.begin());
    return std::min(index, blocks_.size() - 1);
}

void RankIndex::insert(const RankKey& key) {
    if (blocks_.empty()) {
        blocks_.push_back({key});
        return recount();
    }
    const std::size_t index = blockFor(key);
    Block& block = blocks_[index];
    const auto place = std::lower_bound(block.begin(), block.end(), key, ranksBefore);
    if (place != block.end() && *place == key) {
        return;
    }
    block.insert(place, key);
    if (block.size() > BlockKeys) {
        split(index);
    }
    recount();
}

void RankIndex::erase(const RankKey& key) {
    if (blocks_.empty()) {
        return;
    }
    const std::size_t index = blockFor(key);
    Block& block = blocks_[index];
    const auto place = std::lower_bound(block.begin(), block.end(), key, ranksBefore);
    if (place == block.end() || !(*place == key)) {
        return;
    }
    block.erase(place);
    if (block.empty()) {
        blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(index));
    }
    recount();
}

void RankIndex::split(std::size_t index) {
    Block& full = blocks_[index];
    const auto middle = full.begin() + static_cast<std::ptrdiff_t>(full.size() / 2);
    Block upper(middle, full.end());
    full.erase(middle, full.end());
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(index) + 1, std::move(upper));
}

void RankIndex::recount() {
    before_.resize(blocks_.size());
    std::int64_t count = 0;
    for (std::size_t index = 0; index < blocks_.size(); ++index) {
        before_[index] = count;
        count += static_cast<std::int64_t>(blocks_[index].size());
    }
    size_ = count;
}

std::int64_t RankIndex::positionOf(const RankKey& key) const {
    if (blocks_.empty()) {
        return 0;
    }
    const std::size_t index = blockFor(key);
    const Block& block = blocks_[index];
    return before_[index] +
           (std::lower_bound(block.begin(), block.end(), key, ranksBefore) - block.begin());
}

std::optional<RankKey> RankIndex::at(std::int64_t position) const {
    if (position < 0 || position >= size_) {
        return std::nullopt;
    }
    const auto after = std::upper_bound(before_.begin(), before_.end(), position);
    const auto index = static_cast<std::size_t>(after - before_.begin()) - 1;
    return blocks_[index][static_cast<std::size_t>(position - before_[index])];
}

}  // namespace server

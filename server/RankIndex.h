#pragma once
// The ranking's order kept in memory: which position an entry holds and which entry holds a
// position, both in about log time, so that a deep page costs no table scan. Keys sit in
// sorted blocks of bounded size; one entry takes 16 bytes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace server {

// An entry's place in the order: the better score first; ties: the earlier entry (lower id).
struct RankKey {
    std::int32_t score = 0;
    std::int64_t id = 0;
    bool operator==(const RankKey&) const = default;
};

constexpr bool ranksBefore(const RankKey& a, const RankKey& b) {
    return a.score != b.score ? a.score > b.score : a.id < b.id;
}

class RankIndex {
  public:
    // Keys in any order; duplicates are kept once.
    void assign(std::vector<RankKey> keys);
    void insert(const RankKey& key);
    // Nothing happens when the key is not there.
    void erase(const RankKey& key);

    std::int64_t size() const { return size_; }
    // How many keys rank before key (its 0-based position when it is there).
    std::int64_t positionOf(const RankKey& key) const;
    // The key at a 0-based position; nothing past the end.
    std::optional<RankKey> at(std::int64_t position) const;

  private:
    using Block = std::vector<RankKey>;

    // The block where key belongs (never past the last block).
    std::size_t blockFor(const RankKey& key) const;
    void split(std::size_t block);
    void recount();

    std::vector<Block> blocks_;
    // Keys before each block, and the total.
    std::vector<std::int64_t> before_;
    std::int64_t size_ = 0;
};

}  // namespace server

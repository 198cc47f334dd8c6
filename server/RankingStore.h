#pragma once
// The ranking's database: one SQLite file in WAL mode with full synchronous commits, so that an
// entry that was answered as stored survives a crash or a power cut. One store per thread.

#include <cstdint>
#include <string>
#include <vector>

#include "protocol/RankingProtocol.h"
#include "server/Entry.h"
#include "server/Sqlite.h"

namespace server {

struct RankingPage {
    int number = 1;  // from 1
    int pages = 1;   // at least 1, also when the ranking is empty
    std::int64_t total = 0;
    std::vector<Entry> entries;  // best first; ties: the earlier submission first
};

class RankingStore {
  public:
    static constexpr int EntriesPerPage = static_cast<int>(protocol::EntriesPerPage);

    // Creates the file and its table when they are missing. Throws StorageError.
    explicit RankingStore(const std::string& path);

    // Stores the entries in one transaction, all or none. An entry with the name, score, level
    // and blocks of a stored one replaces only its comment. Throws StorageError.
    void add(const std::vector<Entry>& entries);
    // Page number (from 1) of the ranking. Throws StorageError.
    RankingPage page(int number);

  private:
    SqliteConnection connection_;
    SqliteStatement insert_;
    SqliteStatement count_;
    SqliteStatement select_;
};

}  // namespace server

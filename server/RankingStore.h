#pragma once
// The ranking's database: one SQLite file in WAL mode with full synchronous commits, so that an
// entry that was answered as stored survives a crash or a power cut. One store per thread.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "server/Entry.h"
#include "server/RankIndex.h"
#include "server/Sqlite.h"

namespace server {

// What became of a submitted entry.
struct StoredEntry {
    RankKey key;
    bool added = false;     // false: the same result was stored already
    bool verified = false;  // the stored entry's mark, after this submission
};

// A transaction's effect on the order kept in memory: the ranking's change count before and
// after it, and what it stored.
struct StoreCommit {
    std::int64_t changesBefore = 0;
    std::int64_t changesAfter = 0;
    const std::vector<StoredEntry>& stored;
};

// An entry's key and mark, for rebuilding the order.
struct KeyedEntry {
    RankKey key;
    bool verified = false;
};

class RankingStore {
  public:
    // Creates the file and its tables when they are missing. Throws StorageError.
    explicit RankingStore(const std::string& path);

    // Stores the entries in one transaction, all or none; beforeCommit runs inside it. An
    // entry with the name, score, level and blocks of a stored one changes nothing, except
    // that a verified one marks an unverified one verified and gives it its replay. Throws
    // StorageError.
    std::vector<StoredEntry> add(const std::vector<Entry>& entries,
                                 const std::function<void(const StoreCommit&)>& beforeCommit = {});
    // Deletes the entries with these ids; how many there were. Throws StorageError.
    std::int64_t remove(const std::vector<std::int64_t>& ids);

    // Every row changed in the ranking, by anyone, counts one.
    std::int64_t changes();
    // Changes when another connection commits (SQLite's data_version).
    std::int64_t dataVersion();
    std::vector<KeyedEntry> keys();

    // Up to limit entries in rank order from first on.
    std::vector<Entry> entriesFrom(const RankKey& first, bool verifiedOnly, int limit);
    // Entries submitted at or after since, in rank order.
    std::int64_t countSince(std::int64_t since, bool verifiedOnly);
    std::vector<Entry> entriesSince(std::int64_t since, bool verifiedOnly, std::int64_t offset,
                                    int limit);
    // In rank order; an empty name lists everyone.
    std::vector<Entry> entriesNamed(const std::string& name, int limit);
    std::optional<std::string> replay(std::int64_t id);

  private:
    // Reading in rank order from a key: the rest of its score, then the lower scores.
    struct RankReads {
        SqliteStatement sameScore;
        SqliteStatement lowerScore;
    };
    static RankReads rankReads(SqliteConnection& connection, bool verifiedOnly);

    StoredEntry store(const Entry& entry);
    std::vector<Entry> readEntries(SqliteStatement& statement);

    SqliteConnection connection_;
    SqliteStatement insert_;
    SqliteStatement find_;
    SqliteStatement markVerified_;
    SqliteStatement insertReplay_;
    SqliteStatement delete_;
    SqliteStatement changes_;
    SqliteStatement keys_;
    RankReads all_;
    RankReads verified_;
    SqliteStatement countSince_;
    SqliteStatement since_;
    SqliteStatement named_;
    SqliteStatement replay_;
    SqliteStatement dataVersion_;
};

}  // namespace server

#include "server/RankingStore.h"

#include <algorithm>

namespace server {

namespace {

// A writer waits this long for another's lock before the request fails.
constexpr int BusyTimeoutMs = 2000;

SqliteConnection& prepared(SqliteConnection& connection) {
    connection.execute("PRAGMA busy_timeout = " + std::to_string(BusyTimeoutMs));
    connection.execute("PRAGMA journal_mode = WAL");
    connection.execute("PRAGMA synchronous = FULL");
    connection.execute(
        "CREATE TABLE IF NOT EXISTS entries ("
        " id INTEGER PRIMARY KEY,"
        " name TEXT NOT NULL, comment TEXT NOT NULL,"
        " score INTEGER NOT NULL, level INTEGER NOT NULL, blocks INTEGER NOT NULL,"
        " submitted_at INTEGER NOT NULL,"
        " UNIQUE (name, score, level, blocks))");
    connection.execute("CREATE INDEX IF NOT EXISTS entries_by_rank ON entries (score DESC, id)");
    return connection;
}

}  // namespace

RankingStore::RankingStore(const std::string& path)
    : connection_(path),
      insert_(prepared(connection_)
                  .prepare("INSERT INTO entries (name, comment, score, level, blocks, submitted_at)"
                           " VALUES (?1, ?2, ?3, ?4, ?5, ?6)"
                           " ON CONFLICT (name, score, level, blocks) DO UPDATE SET comment = "
                           "excluded.comment")),
      count_(connection_.prepare("SELECT COUNT(*) FROM entries")),
      select_(connection_.prepare(
          "SELECT name, comment, score, level, blocks, submitted_at FROM entries"
          " ORDER BY score DESC, id LIMIT ?1 OFFSET ?2")) {}

void RankingStore::add(const std::vector<Entry>& entries) {
    connection_.execute("BEGIN IMMEDIATE");
    try {
        for (const Entry& entry : entries) {
            insert_.bind(1, entry.name);
            insert_.bind(2, entry.comment);
            insert_.bind(3, std::int64_t{entry.score});
            insert_.bind(4, std::int64_t{entry.level});
            insert_.bind(5, std::int64_t{entry.blocks});
            insert_.bind(6, entry.submittedAt);
            insert_.step();
            insert_.reset();
        }
        connection_.execute("COMMIT");
    } catch (const StorageError&) {
        insert_.reset();
        connection_.rollback();
        throw;
    }
}

RankingPage RankingStore::page(int number) {
    RankingPage page;
    page.number = number;
    count_.step();
    page.total = count_.integer(0);
    count_.reset();
    page.pages = static_cast<int>(
        std::max<std::int64_t>(1, (page.total + EntriesPerPage - 1) / EntriesPerPage));
    select_.bind(1, std::int64_t{EntriesPerPage});
    select_.bind(2, (std::int64_t{number} - 1) * EntriesPerPage);
    try {
        while (select_.step()) {
            page.entries.push_back(
                {select_.text(0), select_.text(1), static_cast<std::int32_t>(select_.integer(2)),
                 static_cast<std::int32_t>(select_.integer(3)),
                 static_cast<std::int32_t>(select_.integer(4)), select_.integer(5)});
        }
    } catch (const StorageError&) {
        select_.reset();
        throw;
    }
    select_.reset();
    return page;
}

}  // namespace server

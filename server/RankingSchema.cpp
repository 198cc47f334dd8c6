#include "server/RankingSchema.h"

namespace server {

namespace {

// A writer waits this long for another's lock before the request fails.
constexpr int BusyTimeoutMs = 2000;

// `changes` counts every row changed in `entries`, by this server or by anyone else with the
// file (sqlite3, a second server): the triggers live in the database, so they always run.
// Replays live apart from the entries, so that reading a page never touches their bytes.
constexpr const char* Tables = R"(
CREATE TABLE IF NOT EXISTS entries (
  id INTEGER PRIMARY KEY,
  name TEXT NOT NULL, comment TEXT NOT NULL,
  score INTEGER NOT NULL, level INTEGER NOT NULL, blocks INTEGER NOT NULL,
  submitted_at INTEGER NOT NULL,
  UNIQUE (name, score, level, blocks));
CREATE INDEX IF NOT EXISTS entries_by_rank ON entries (score DESC, id);
CREATE TABLE IF NOT EXISTS replays (
  entry_id INTEGER PRIMARY KEY, data BLOB NOT NULL);
CREATE TABLE IF NOT EXISTS changes (
  id INTEGER PRIMARY KEY CHECK (id = 0), count INTEGER NOT NULL);
INSERT OR IGNORE INTO changes VALUES (0, 0);
CREATE TRIGGER IF NOT EXISTS entries_inserted AFTER INSERT ON entries
  BEGIN UPDATE changes SET count = count + 1; END;
CREATE TRIGGER IF NOT EXISTS entries_updated AFTER UPDATE ON entries
  BEGIN UPDATE changes SET count = count + 1; END;
CREATE TRIGGER IF NOT EXISTS entries_deleted AFTER DELETE ON entries
  BEGIN UPDATE changes SET count = count + 1;
        DELETE FROM replays WHERE entry_id = old.id; END;
)";

// Added after the first release; a database from before has every entry unverified.
constexpr const char* VerifiedColumn = R"(
ALTER TABLE entries ADD COLUMN verified INTEGER NOT NULL DEFAULT 0;
)";

constexpr const char* VerifiedIndexes = R"(
CREATE INDEX IF NOT EXISTS entries_verified_by_rank ON entries (score DESC, id)
  WHERE verified = 1;
CREATE INDEX IF NOT EXISTS entries_by_time ON entries (submitted_at);
)";

bool hasVerifiedColumn(SqliteConnection& connection) {
    SqliteStatement query = connection.prepare(
        "SELECT COUNT(*) FROM pragma_table_info('entries') WHERE name = 'verified'");
    query.step();
    return query.integer(0) != 0;
}

}  // namespace

void prepareRankingSchema(SqliteConnection& connection) {
    connection.execute("PRAGMA busy_timeout = " + std::to_string(BusyTimeoutMs));
    connection.execute("PRAGMA journal_mode = WAL");
    connection.execute("PRAGMA synchronous = FULL");
    if (connection.readOnly()) {
        return;
    }
    connection.writeTransaction([&connection] {
        connection.execute(Tables);
        if (!hasVerifiedColumn(connection)) {
            connection.execute(VerifiedColumn);
        }
        connection.execute(VerifiedIndexes);
    });
}

}  // namespace server

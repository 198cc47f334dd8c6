#include "server/RankingStore.h"

#include "server/RankingSchema.h"

namespace server {

namespace {

constexpr std::string_view EntryColumns =
    "id, name, comment, score, level, blocks, submitted_at, verified";

std::string selectEntries(std::string_view rest) {
    return "SELECT " + std::string(EntryColumns) + " FROM entries " + std::string(rest);
}

SqliteConnection& prepared(SqliteConnection& connection) {
    prepareRankingSchema(connection);
    return connection;
}

}  // namespace

RankingStore::RankReads RankingStore::rankReads(SqliteConnection& connection, bool verifiedOnly) {
    // The literal condition lets SQLite use the partial index of verified entries.
    const std::string verified = verifiedOnly ? " AND verified = 1" : "";
    return {connection.prepare(selectEntries("WHERE score = ?1 AND id >= ?2" + verified +
                                             " ORDER BY id LIMIT ?3")),
            connection.prepare(selectEntries("WHERE score < ?1" + verified +
                                             " ORDER BY score DESC, id LIMIT ?2"))};
}

RankingStore::RankingStore(const std::string& path)
    : connection_(path),
      insert_(prepared(connection_)
                  .prepare("INSERT INTO entries"
                           " (name, comment, score, level, blocks, submitted_at, verified)"
                           " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"
                           " ON CONFLICT (name, score, level, blocks) DO NOTHING RETURNING id")),
      find_(connection_.prepare("SELECT id, verified FROM entries"
                                " WHERE name = ?1 AND score = ?2 AND level = ?3 AND blocks = ?4")),
      markVerified_(connection_.prepare("UPDATE entries SET verified = 1 WHERE id = ?1")),
      insertReplay_(
          connection_.prepare("INSERT OR REPLACE INTO replays (entry_id, data) VALUES (?1, ?2)")),
      delete_(connection_.prepare("DELETE FROM entries WHERE id = ?1")),
      changes_(connection_.prepare("SELECT count FROM changes")),
      keys_(connection_.prepare("SELECT score, id, verified FROM entries")),
      all_(rankReads(connection_, false)),
      verified_(rankReads(connection_, true)),
      countSince_(connection_.prepare(
          "SELECT COUNT(*) FROM entries WHERE submitted_at >= ?1 AND verified >= ?2")),
      since_(connection_.prepare(selectEntries("WHERE submitted_at >= ?1 AND verified >= ?2"
                                               " ORDER BY score DESC, id LIMIT ?3 OFFSET ?4"))),
      named_(connection_.prepare(selectEntries("WHERE ?1 = '' OR name = ?1"
                                               " ORDER BY score DESC, id LIMIT ?2"))),
      replay_(connection_.prepare("SELECT data FROM replays WHERE entry_id = ?1")),
      dataVersion_(connection_.prepare("PRAGMA data_version")) {}

std::vector<StoredEntry> RankingStore::add(
    const std::vector<Entry>& entries,
    const std::function<void(const StoreCommit&)>& beforeCommit) {
    return connection_.writeTransaction([&] {
        const std::int64_t before = changes();
        std::vector<StoredEntry> stored;
        stored.reserve(entries.size());
        for (const Entry& entry : entries) {
            stored.push_back(store(entry));
        }
        if (beforeCommit) {
            beforeCommit({before, changes(), stored});
        }
        return stored;
    });
}

StoredEntry RankingStore::store(const Entry& entry) {
    StoredEntry stored{{entry.score, 0}, false, entry.verified};
    {
        const StatementUse use(insert_);
        insert_.bind(1, entry.name);
        insert_.bind(2, entry.comment);
        insert_.bind(3, std::int64_t{entry.score});
        insert_.bind(4, std::int64_t{entry.level});
        insert_.bind(5, std::int64_t{entry.blocks});
        insert_.bind(6, entry.submittedAt);
        insert_.bind(7, std::int64_t{entry.verified});
        stored.added = insert_.step();
        stored.key.id = stored.added ? insert_.integer(0) : 0;
    }
    if (!stored.added) {
        const StatementUse use(find_);
        find_.bind(1, entry.name);
        find_.bind(2, std::int64_t{entry.score});
        find_.bind(3, std::int64_t{entry.level});
        find_.bind(4, std::int64_t{entry.blocks});
        find_.step();
        stored.key.id = find_.integer(0);
        stored.verified = find_.integer(1) != 0;
    }
    // The first comment stays; a replay can only add trust to the same result.
    const bool newlyVerified = entry.verified && (stored.added || !stored.verified);
    if (!newlyVerified) {
        return stored;
    }
    if (!stored.added) {
        const StatementUse use(markVerified_);
        markVerified_.bind(1, stored.key.id);
        markVerified_.step();
        stored.verified = true;
    }
    const StatementUse use(insertReplay_);
    insertReplay_.bind(1, stored.key.id);
    insertReplay_.bindBlob(2, entry.replay);
    insertReplay_.step();
    return stored;
}

std::int64_t RankingStore::remove(const std::vector<std::int64_t>& ids) {
    return connection_.writeTransaction([&] {
        const std::int64_t before = changes();
        for (const std::int64_t id : ids) {
            const StatementUse use(delete_);
            delete_.bind(1, id);
            delete_.step();
        }
        return changes() - before;
    });
}

std::int64_t RankingStore::changes() {
    const StatementUse use(changes_);
    return changes_.step() ? changes_.integer(0) : 0;
}

std::int64_t RankingStore::dataVersion() {
    const StatementUse use(dataVersion_);
    dataVersion_.step();
    return dataVersion_.integer(0);
}

std::vector<KeyedEntry> RankingStore::keys() {
    const StatementUse use(keys_);
    std::vector<KeyedEntry> keys;
    while (keys_.step()) {
        keys.push_back({{static_cast<std::int32_t>(keys_.integer(0)), keys_.integer(1)},
                        keys_.integer(2) != 0});
    }
    return keys;
}

std::vector<Entry> RankingStore::readEntries(SqliteStatement& statement) {
    const StatementUse use(statement);
    std::vector<Entry> entries;
    while (statement.step()) {
        Entry& entry = entries.emplace_back();
        entry.id = statement.integer(0);
        entry.name = statement.text(1);
        entry.comment = statement.text(2);
        entry.score = static_cast<std::int32_t>(statement.integer(3));
        entry.level = static_cast<std::int32_t>(statement.integer(4));
        entry.blocks = static_cast<std::int32_t>(statement.integer(5));
        entry.submittedAt = statement.integer(6);
        entry.verified = statement.integer(7) != 0;
    }
    return entries;
}

std::vector<Entry> RankingStore::entriesFrom(const RankKey& first, bool verifiedOnly, int limit) {
    RankReads& reads = verifiedOnly ? verified_ : all_;
    reads.sameScore.bind(1, std::int64_t{first.score});
    reads.sameScore.bind(2, first.id);
    reads.sameScore.bind(3, std::int64_t{limit});
    std::vector<Entry> entries = readEntries(reads.sameScore);
    const auto rest = limit - static_cast<int>(entries.size());
    if (rest > 0) {
        reads.lowerScore.bind(1, std::int64_t{first.score});
        reads.lowerScore.bind(2, std::int64_t{rest});
        for (Entry& entry : readEntries(reads.lowerScore)) {
            entries.push_back(std::move(entry));
        }
    }
    return entries;
}

std::int64_t RankingStore::countSince(std::int64_t since, bool verifiedOnly) {
    const StatementUse use(countSince_);
    countSince_.bind(1, since);
    countSince_.bind(2, std::int64_t{verifiedOnly});
    countSince_.step();
    return countSince_.integer(0);
}

std::vector<Entry> RankingStore::entriesSince(std::int64_t since, bool verifiedOnly,
                                              std::int64_t offset, int limit) {
    since_.bind(1, since);
    since_.bind(2, std::int64_t{verifiedOnly});
    since_.bind(3, std::int64_t{limit});
    since_.bind(4, offset);
    return readEntries(since_);
}

std::vector<Entry> RankingStore::entriesNamed(const std::string& name, int limit) {
    named_.bind(1, name);
    named_.bind(2, std::int64_t{limit});
    return readEntries(named_);
}

std::optional<std::string> RankingStore::replay(std::int64_t id) {
    const StatementUse use(replay_);
    replay_.bind(1, id);
    if (!replay_.step()) {
        return std::nullopt;
    }
    return replay_.blob(0);
}

}  // namespace server

// The database and the pages read from it: order with ties, paging through the order in memory,
// duplicates, verified entries and their replays, changes made by others, and what survives
// reopening.

#include <gtest/gtest.h>

#include "server/RankingPages.h"
#include "server/RankingStore.h"
#include "tests/support/TempDirectory.h"

namespace {

using namespace server;

Entry entry(const std::string& name, std::int32_t score, std::int64_t at = 0,
            const std::string& comment = "c") {
    return {name, comment, score, 1, 0, at};
}

Entry verified(const std::string& name, std::int32_t score, const std::string& replay) {
    Entry verifiedEntry = entry(name, score);
    verifiedEntry.verified = true;
    verifiedEntry.replay = replay;
    return verifiedEntry;
}

std::vector<std::string> names(const RankingPage& page) {
    std::vector<std::string> shown;
    for (const Entry& entry : page.entries) {
        shown.push_back(entry.name);
    }
    return shown;
}

class RankingStoreTest : public ::testing::Test {
  protected:
    RankingPage page(int number, bool verifiedOnly = false, Period period = Period::All) {
        return readPage(store_, order_, {number, verifiedOnly, period}, 10 * 24 * 3600);
    }

    testsupport::TempWorkingDirectory directory_;
    RankingStore store_{"ranking.sqlite3"};
    RankOrder order_;
};

TEST_F(RankingStoreTest, OrdersByScoreAndTiesByTheEarlierSubmission) {
    store_.add({entry("late", 500, 1), entry("best", 900, 2)});
    store_.add({entry("later", 500, 0), entry("least", 10, 3)});
    const RankingPage first = page(1);
    EXPECT_EQ(names(first), (std::vector<std::string>{"best", "late", "later", "least"}));
    EXPECT_EQ(first.total, 4);
    EXPECT_EQ(first.pages, 1);
}

TEST_F(RankingStoreTest, AnIdenticalResultChangesNothingButMayGainItsReplay) {
    const auto first = store_.add({entry("a", 500, 10, "first"), entry("b", 500, 20)});
    const auto again = store_.add({entry("a", 500, 30, "second"), verified("b", 500, "proof")});
    EXPECT_FALSE(again[0].added);
    EXPECT_EQ(again[0].key, first[0].key);
    EXPECT_TRUE(again[1].verified);
    const RankingPage shown = page(1);
    ASSERT_EQ(shown.total, 2);
    EXPECT_EQ(shown.entries[0].comment, "first");
    EXPECT_EQ(shown.entries[0].submittedAt, 10);
    EXPECT_EQ(store_.replay(first[1].key.id), "proof");
    EXPECT_EQ(store_.replay(first[0].key.id), std::nullopt);
    EXPECT_EQ(names(page(1, true)), std::vector<std::string>{"b"});
}

TEST_F(RankingStoreTest, PagesHoldAHundredEntriesAndAnEmptyRankingHasOnePage) {
    EXPECT_EQ(page(1).pages, 1);
    EXPECT_TRUE(page(1).entries.empty());

    std::vector<Entry> entries;
    for (int i = 0; i < 250; ++i) {
        // Ties across a page's edge: the order goes on within the same score.
        entries.push_back(entry("n" + std::to_string(i), 1000 - i / 3));
    }
    store_.add(entries);
    const RankingPage third = page(3);
    EXPECT_EQ(third.pages, 3);
    ASSERT_EQ(third.entries.size(), 50u);
    EXPECT_EQ(third.entries.front().name, "n200");
    EXPECT_EQ(third.firstRank, 201);
    const RankingPage second = page(2);
    ASSERT_EQ(second.entries.size(), 100u);
    EXPECT_EQ(second.entries.front().name, "n100");
    EXPECT_EQ(second.entries.back().name, "n199");
    EXPECT_TRUE(page(4).entries.empty());
}

TEST_F(RankingStoreTest, PeriodsAndVerifiedOnlyChooseTheirEntries) {
    const std::int64_t now = 10 * 24 * 3600;
    Entry today = verified("today", 100, "r");
    today.submittedAt = now - 3600;
    store_.add(
        {entry("old", 900, now - 8 * 24 * 3600), entry("week", 500, now - 3 * 24 * 3600), today});
    EXPECT_EQ(names(page(1, false, Period::Week)), (std::vector<std::string>{"week", "today"}));
    EXPECT_EQ(names(page(1, false, Period::Day)), std::vector<std::string>{"today"});
    EXPECT_EQ(names(page(1, true, Period::All)), std::vector<std::string>{"today"});
    EXPECT_EQ(page(1, true, Period::Week).total, 1);
}

TEST_F(RankingStoreTest, TheOrderFollowsRowsRemovedByAnotherConnection) {
    const auto stored = store_.add({entry("a", 3), entry("b", 2), entry("c", 1)});
    EXPECT_EQ(page(1).total, 3);
    {
        RankingStore other("ranking.sqlite3");
        EXPECT_EQ(other.remove({stored[0].key.id, 12345}), 1);
    }
    const RankingPage after = page(1);
    EXPECT_EQ(names(after), (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(after.total, 2);
}

TEST_F(RankingStoreTest, EntriesSurviveReopeningAndAFailedBatchStoresNothing) {
    store_.add({entry("kept", 100)});
    RankingStore reopened("ranking.sqlite3");
    EXPECT_EQ(reopened.entriesNamed("kept", 10).size(), 1u);

    RankingStore readOnly("file:ranking.sqlite3?mode=ro");
    EXPECT_THROW(readOnly.add({entry("lost", 200)}), StorageError);
    EXPECT_EQ(page(1).total, 1);
}

TEST(RankingStoreFileTest, ADamagedFileIsAStorageErrorAndAnOldOneIsMigrated) {
    testsupport::TempWorkingDirectory directory;
    {
        std::FILE* file = std::fopen("damaged.sqlite3", "wb");
        std::fputs("this is no database, just some text that is long enough to be read", file);
        std::fclose(file);
    }
    EXPECT_THROW(RankingStore("damaged.sqlite3"), StorageError);
    {
        SqliteConnection old("old.sqlite3");
        old.execute(
            "CREATE TABLE entries (id INTEGER PRIMARY KEY, name TEXT NOT NULL,"
            " comment TEXT NOT NULL, score INTEGER NOT NULL, level INTEGER NOT NULL,"
            " blocks INTEGER NOT NULL, submitted_at INTEGER NOT NULL,"
            " UNIQUE (name, score, level, blocks));"
            "INSERT INTO entries VALUES (1, 'before', 'c', 7, 1, 0, 0)");
    }
    RankingStore migrated("old.sqlite3");
    const auto entries = migrated.entriesNamed("", 10);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_FALSE(entries[0].verified);
    EXPECT_EQ(migrated.add({entry("after", 8)})[0].key.id, 2);
}

}  // namespace

// The database: order with ties, paging, duplicates, and what survives reopening.

#include <gtest/gtest.h>

#include "server/RankingStore.h"
#include "tests/support/TempDirectory.h"

namespace {

using namespace server;

Entry entry(const std::string& name, std::int32_t score, std::int64_t at = 0,
            const std::string& comment = "c") {
    return {name, comment, score, 1, 0, at};
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
    testsupport::TempWorkingDirectory directory_;
};

TEST_F(RankingStoreTest, OrdersByScoreAndTiesByTheEarlierSubmission) {
    RankingStore store("ranking.sqlite3");
    store.add({entry("late", 500, 1), entry("best", 900, 2)});
    store.add({entry("later", 500, 0), entry("least", 10, 3)});
    const RankingPage page = store.page(1);
    EXPECT_EQ(names(page), (std::vector<std::string>{"best", "late", "later", "least"}));
    EXPECT_EQ(page.total, 4);
    EXPECT_EQ(page.pages, 1);
}

TEST_F(RankingStoreTest, AnIdenticalResultKeepsItsPlaceAndTakesTheNewerComment) {
    RankingStore store("ranking.sqlite3");
    store.add({entry("a", 500, 10, "first"), entry("b", 500, 20)});
    store.add({entry("a", 500, 30, "second"), entry("a", 501, 40, "other score")});
    const RankingPage page = store.page(1);
    ASSERT_EQ(page.total, 3);
    EXPECT_EQ(names(page), (std::vector<std::string>{"a", "a", "b"}));
    EXPECT_EQ(page.entries[1].comment, "second");
    EXPECT_EQ(page.entries[1].submittedAt, 10);
}

TEST_F(RankingStoreTest, PagesHoldAHundredEntriesAndAnEmptyRankingHasOnePage) {
    RankingStore store("ranking.sqlite3");
    EXPECT_EQ(store.page(1).pages, 1);
    EXPECT_TRUE(store.page(1).entries.empty());

    std::vector<Entry> entries;
    for (int i = 0; i < 250; ++i) {
        entries.push_back(entry("n" + std::to_string(i), 1000 - i));
    }
    store.add(entries);
    const RankingPage third = store.page(3);
    EXPECT_EQ(third.pages, 3);
    ASSERT_EQ(third.entries.size(), 50u);
    EXPECT_EQ(third.entries.front().name, "n200");
    EXPECT_EQ(store.page(2).entries.size(), 100u);
    EXPECT_TRUE(store.page(4).entries.empty());
}

TEST_F(RankingStoreTest, EntriesSurviveReopeningAndAFailedBatchStoresNothing) {
    {
        RankingStore store("ranking.sqlite3");
        store.add({entry("kept", 100)});
    }
    RankingStore store("ranking.sqlite3");
    EXPECT_EQ(names(store.page(1)), std::vector<std::string>{"kept"});

    RankingStore readOnly("file:ranking.sqlite3?mode=ro");
    EXPECT_THROW(readOnly.add({entry("lost", 200)}), StorageError);
    EXPECT_EQ(store.page(1).total, 1);
}

TEST_F(RankingStoreTest, ADamagedFileIsAStorageError) {
    {
        std::FILE* file = std::fopen("ranking.sqlite3", "wb");
        std::fputs("this is no database, just some text that is long enough to be read", file);
        std::fclose(file);
    }
    EXPECT_THROW(RankingStore("ranking.sqlite3"), StorageError);
}

}  // namespace

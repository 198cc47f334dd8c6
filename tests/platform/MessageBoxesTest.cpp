#include "platform/MessageBoxes.h"

#include <gtest/gtest.h>

namespace {

TEST(ReportFullStop, AppendedOnlyAfterCharactersBeyondTheFullStop) {
    EXPECT_EQ(platform::withReportFullStop("I/O エラー (5)"), "I/O エラー (5)");
    EXPECT_EQ(platform::withReportFullStop("abc"), "abc.");
    EXPECT_EQ(platform::withReportFullStop("done."), "done.");
    EXPECT_EQ(platform::withReportFullStop("10061:Connection refused"),
              "10061:Connection refused.");
    EXPECT_EQ(platform::withReportFullStop("送信できません。"), "送信できません。.");
    EXPECT_EQ(platform::withReportFullStop("a-"), "a-");
    EXPECT_EQ(platform::withReportFullStop(""), "");
}

}  // namespace

// Reading a submission: its query in both encodings, and every refusal of what the dialog
// could not have sent.

#include <gtest/gtest.h>

#include "server/QueryFields.h"
#include "server/Refusal.h"
#include "server/Submission.h"
#include "tests/server/SubmissionQuery.h"

namespace {

using namespace server;
using servertest::entryQuery;
using servertest::Sent;

Entry read(const Sent& sent) {
    return readSubmission(parseQuery(entryQuery(sent)));
}

// The status and reason of the refusal, or "accepted".
std::string verdictOn(const std::string& query) {
    try {
        readSubmission(parseQuery(query));
        return "accepted";
    } catch (const Refusal& refusal) {
        return std::to_string(refusal.status()) + " " + refusal.what();
    }
}

std::string verdictOn(const Sent& sent) {
    return verdictOn(entryQuery(sent));
}

TEST(SubmissionTest, ReadsTheDialogsFormEncodedShiftJisAsUtf8) {
    Sent sent;
    sent.comment = "a&b=c+d 100% #1 ｲﾝﾀｰﾈｯﾄ";
    const Entry entry = read(sent);
    EXPECT_EQ(entry.name, "太郎");
    EXPECT_EQ(entry.comment, "a&b=c+d 100% #1 ｲﾝﾀｰﾈｯﾄ");
    EXPECT_EQ(entry.score, 1000);
    EXPECT_EQ(entry.level, 5);
    EXPECT_EQ(entry.blocks, 40);
}

TEST(SubmissionTest, ReadsRawShiftJisAsAnUnmendedClientSendsIt) {
    const std::string query =
        "command=entry&name=" + text::toShiftJis("表示") +
        "&score=1000&level=5&tama=40&pass_s=955&comment=" + text::toShiftJis("ソ&能=100%+α");
    const Entry entry = readSubmission(parseQuery(query));
    EXPECT_EQ(entry.name, "表示");  // trail bytes 0x5C and 0x7E are no delimiters
    EXPECT_EQ(entry.comment, "ソ&能=100%+α");
}

TEST(SubmissionTest, RefusesQueriesThatCannotBeRead) {
    EXPECT_EQ(verdictOn("command=entry&name=a%4&score=1"),
              "400 A query value has a \"%\" that is not followed by two hex digits.");
    EXPECT_EQ(verdictOn("command=entry&name=a%zz"),
              "400 A query value has a \"%\" that is not followed by two hex digits.");
    EXPECT_EQ(verdictOn(entryQuery({}) + "&score=1"), "400 The query gives \"score\" twice.");
}

TEST(SubmissionTest, RefusesTextsThatAreMissingEmptyNotShiftJisControlOrTooLong) {
    EXPECT_EQ(verdictOn("command=entry&score=1000&level=5&tama=40&pass_s=955&comment=x"),
              "400 The submission has no \"name\".");
    // Spaces alone, ASCII or ideographic, are no text either.
    for (const std::string blank : {"", " ", "   ", "\u3000", " \u3000 "}) {
        Sent sent;
        sent.name = blank;
        EXPECT_EQ(verdictOn(sent), "400 \"name\" is empty.") << blank;
        sent = {};
        sent.comment = blank;
        EXPECT_EQ(verdictOn(sent), "400 \"comment\" is empty.") << blank;
    }
    EXPECT_EQ(verdictOn("command=entry&name=%81&score=1000&level=5&tama=40&pass_s=955&comment=x"),
              "400 \"name\" is not Shift-JIS text.");
    EXPECT_EQ(verdictOn("command=entry&name=a%0Ab&score=1000&level=5&tama=40&pass_s=955&comment=x"),
              "400 \"name\" holds a control character.");
    EXPECT_EQ(verdictOn("command=entry&name=a&score=1000&level=5&tama=40&pass_s=955&comment=%7F"),
              "400 \"comment\" holds a control character.");

    Sent sent;
    sent.name = "ａｂｃｄｅｆｇｈｉｊ";  // ten characters of two bytes each fit
    sent.comment = std::string(40, 'x');
    EXPECT_EQ(verdictOn(sent), "accepted");
    sent.name += "k";
    EXPECT_EQ(verdictOn(sent), "400 \"name\" is longer than 10 characters.");
    sent = {};
    sent.comment = std::string(41, 'x');
    EXPECT_EQ(verdictOn(sent), "400 \"comment\" is longer than 40 characters.");
    sent.name = " \u3000a ";  // spaces around a character are kept
    sent.comment = "ｶﾀｶﾅ";
    EXPECT_EQ(verdictOn(sent), "accepted");
}

TEST(SubmissionTest, NumbersAreDecimal32BitIntegers) {
    for (const char* bad : {"", "+5", " 5", "5x", "0x10", "2147483648", "-2147483649", "1.0"}) {
        Sent sent;
        sent.level = bad;
        EXPECT_EQ(verdictOn(sent), "400 \"level\" is not a 32-bit decimal number.") << bad;
    }
    Sent sent;
    sent.passS = "ninety";
    EXPECT_EQ(verdictOn(sent), "400 \"pass_s\" is not a 32-bit decimal number.");
}

// The arithmetic itself is tested with the protocol; here, that the server applies it.
TEST(SubmissionTest, TheCheckValueWrapsAs32BitTwosComplement) {
    Sent sent;
    sent.score = "2147483647";
    sent.level = "1";
    sent.tama = "2147483647";
    sent.passS = "-1";
    EXPECT_EQ(verdictOn(sent), "accepted");
    sent.passS = "4294967295";
    EXPECT_EQ(verdictOn(sent), "400 \"pass_s\" is not a 32-bit decimal number.");
    sent.passS = "0";
    EXPECT_EQ(verdictOn(sent), "400 The check value does not match the result.");
}

TEST(SubmissionTest, RefusesResultsNoGameEndsWith) {
    const struct {
        const char* score;
        const char* level;
        const char* tama;
        const char* passS;
    } unreachable[] = {{"0", "0", "0", "0"},
                       {"-10", "1", "0", "-11"},
                       {"100", "0", "10", "90"},
                       {"100", "1", "-1", "100"}};
    for (const auto& result : unreachable) {
        Sent sent;
        sent.score = result.score;
        sent.level = result.level;
        sent.tama = result.tama;
        sent.passS = result.passS;
        EXPECT_EQ(verdictOn(sent), "400 No game ends with this result.") << result.score;
    }
}

}  // namespace

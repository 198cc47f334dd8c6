// What the server writes out of stored and sent texts: escaped pages and one-line logs.

#include <gtest/gtest.h>

#include "server/RequestLog.h"
#include "server/TextEscape.h"
#include "tests/server/SubmissionQuery.h"

namespace {

using namespace server;

TEST(TextEscapeTest, MarkupAndStringEndsAreEscaped) {
    EXPECT_EQ(escapeHtml("<a href=\"x\">&'</a> 太郎"),
              "&lt;a href=&quot;x&quot;&gt;&amp;&#39;&lt;/a&gt; 太郎");
    EXPECT_EQ(escapeJson("\"\\\n\x01</script> 太郎"), "\\\"\\\\\\u000a\\u0001\\u003c/script> 太郎");
}

TEST(RequestLogTest, ShowsTheNameAndCommentDecodedAndKeepsALineOneLine) {
    const std::string target =
        "/r.cgi?command=entry&name=" + servertest::formEncoded(text::toShiftJis("太郎")) +
        "&score=1&comment=a%0D%0Ab+c&x=%0A";
    EXPECT_EQ(shownTarget(target),
              "/r.cgi?command=entry&name=太郎&score=1&comment=a%0D%0Ab%20c&x=%0A");
    EXPECT_EQ(shownTarget("/r.cgi?name=" + text::toShiftJis("表") + "&comment=%zz"),
              "/r.cgi?name=表&comment=%zz");
    EXPECT_EQ(shownTarget("/a\x81\x7f"), "/a%81%7F");

    const LoggedRequest request{
        std::chrono::system_clock::time_point(std::chrono::milliseconds(1'765'000'000'123)),
        "192.0.2.1",
        "GET",
        "/r.cgi",
        200,
        1534,
        std::chrono::microseconds(812)};
    EXPECT_EQ(formatLogLine(request), "2025-12-06T05:46:40.123Z 192.0.2.1 GET /r.cgi 200 1534 812");
}

}  // namespace

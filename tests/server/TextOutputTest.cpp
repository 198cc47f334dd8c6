// What the server writes out of stored and sent texts: escaped pages and one-line logs.

#include <gtest/gtest.h>

#include <regex>

#include "server/RankingHtml.h"
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

TEST(RankingHtmlTest, ThePagerLinksTheEndsAndAFewPagesAroundTheCurrentOne) {
    const std::string path = "/r.cgi";
    struct Case {
        int number, pages;
        std::string shown;
    };
    const Case cases[] = {
        {1, 1, "<b>1</b>"},
        {1, 3, "<b>1</b>23"},
        {25, 50, "1…2324<b>25</b>2627…50"},
        {50, 50, "1…4849<b>50</b>"},
    };
    for (const Case& c : cases) {
        server::RankingPage page;
        page.query = {c.number, true, server::Period::Week};
        page.pages = c.pages;
        const std::string html = server::renderRankingHtml(page, path);
        // The first pager, reduced to its texts and the current page's mark; links keep the
        // view's filters.
        const std::size_t begin = html.find("<nav>");
        std::string pager = html.substr(begin, html.find("</nav>", begin) - begin);
        if (c.pages > 1) {
            EXPECT_NE(pager.find("&amp;verified=1&amp;period=week\">"), std::string::npos);
        }
        const std::string texts = std::regex_replace(pager, std::regex("<(?!/?b>)[^>]*>"), "");
        EXPECT_EQ(texts, c.shown) << pager;
    }
}

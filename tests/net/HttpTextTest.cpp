#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "net/Base64.h"
#include "net/FormEncode.h"
#include "net/HeaderList.h"
#include "net/HttpReply.h"
#include "net/HttpUrl.h"
#include "net/NetErrors.h"
#include "net/TextFields.h"

namespace nettest {
namespace {

using namespace net;

TEST(TextFields, FieldsSplitAtEveryDelimiter) {
    EXPECT_EQ(NthField("http://host:8080/path", '/', 3), "host:8080");
    EXPECT_EQ(NthField("a::c", ':', 2), "");
    EXPECT_EQ(NthField("a::c", ':', 3), "c");
    EXPECT_EQ(NthField("a:b", ':', 3), "");
    EXPECT_EQ(NthField("", ':', 1), "");
    EXPECT_EQ(NthField("HTTP/1.0 200 OK", ' ', 2), "200");
}

TEST(TextFields, CharPositionPastTheEndWhenMissingOrLast) {
    EXPECT_EQ(NthCharPos("http://host/x", '/', 3), 12u);
    EXPECT_EQ(NthCharPos("http://host", '/', 3), 12u);
    EXPECT_EQ(NthCharPos("http://host/", '/', 3), 13u);
    EXPECT_EQ(NthCharPos("a/b", '/', 1), 2u);
}

TEST(HeaderList, SetByNameReplacesAppendsAndDeletesIgnoringCase) {
    THeaderList list;
    list.Add("GET / HTTP/1.0");
    list.Add("host: old");
    list.SetValue("Host", "new");
    list.SetValue("Cookie", "a=b");
    list.SetValue("Referer", "");
    EXPECT_EQ(list.Text(), "GET / HTTP/1.0\r\nHost: new\r\nCookie: a=b\r\n");
    list.SetValue("COOKIE", "");
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"GET / HTTP/1.0", "Host: new"}));
}

TEST(Base64, EncodesWithPaddingOnOneLine) {
    EXPECT_EQ(base64Encode(""), "");
    EXPECT_EQ(base64Encode("f"), "Zg==");
    EXPECT_EQ(base64Encode("fo"), "Zm8=");
    EXPECT_EQ(base64Encode("foo"), "Zm9v");
    EXPECT_EQ(base64Encode("Aladdin:open sesame"), "QWxhZGRpbjpvcGVuIHNlc2FtZQ==");
    EXPECT_EQ(base64Encode("\xFF\xFE"), "//4=");
    EXPECT_EQ(base64Encode(std::string(60, 'x')).find('\n'), std::string::npos);
}

TEST(FormEncoder, KeepsOnlyAsciiLettersAndDigits) {
    EXPECT_EQ(TFormEncoder::Encode("Az09"), "Az09");
    EXPECT_EQ(TFormEncoder::Encode("a b&c=d+%#"), "a+b%26c%3Dd%2B%25%23");
    EXPECT_EQ(TFormEncoder::Encode("\x83v\x83h\x83\x8D\x83N"), "%83v%83h%83%8D%83N");
    EXPECT_EQ(TFormEncoder::Encode(std::string("\0\x7F-._~", 6)), "%00%7F%2D%2E%5F%7E");
}

TEST(HttpUrl, SplitsHostPortAndTargetAsTheClientSendsThem) {
    struct Case {
        std::string url;
        std::string host;
        std::optional<std::int32_t> port;
        std::string target;
        bool rootSupplied = false;
    };
    const std::vector<Case> cases{
        {"http://ranking.example/r.cgi?a=1", "ranking.example", 80, "/r.cgi?a=1"},
        {"HTTP://ranking.example:8080", "ranking.example", 8080, "/", true},
        {"gopher://old.example/x", "old.example", 70, "/x"},
        // A slash that ends the URL does not count.
        {"ftp://files.example:2121/", "files.example", 2121, "/", true},
        {"/only/a/path", "", std::nullopt, "/only/a/path"},
        {"host.example:81/x/y", "host.example", 81, "/x/y"},
        {"other.cgi", "other.cgi", std::nullopt, "/", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        HttpUrl url = splitUrl(c.url);
        EXPECT_EQ(url.host, c.host);
        EXPECT_EQ(url.port, c.port);
        EXPECT_EQ(url.target, c.target);
        EXPECT_EQ(url.rootSupplied, c.rootSupplied);
    }
}

TEST(HttpUrl, OnlyABareNameIsTakenRelativeToTheServerAsked) {
    EXPECT_EQ(resolveLocation("next.cgi", "ranking.example", 80),
              "http://ranking.example/next.cgi");
    EXPECT_EQ(resolveLocation("next.cgi", "ranking.example", 8080),
              "http://ranking.example:8080/next.cgi");
    EXPECT_EQ(resolveLocation("/next.cgi", "ranking.example", 8080), "/next.cgi");
}

TEST(ReplyHeader, KeepsLinesUpToItsBoundAndTakesTheLinesItActsOn) {
    std::string kept;
    auto keep = [&kept](std::string_view line) { kept += line; };
    ReplyHeader header(64);
    const std::string start = "HTTP/1.0 302 Found\r\nLOCATION: /next\r\nset-cookie: a=1\n";
    EXPECT_TRUE(header.take("HTTP/1.0 302 Found\r\n", keep));
    EXPECT_TRUE(header.take("LOCATION: /next\r\n", keep));
    EXPECT_TRUE(header.take("set-cookie: a=1\n", keep));
    EXPECT_THROW(header.take("X-Over: the bound\r\n", keep), EHttpError);
    EXPECT_EQ(kept, start);
    EXPECT_EQ(header.status(), 302);
    EXPECT_EQ(header.location(), "/next");
    EXPECT_EQ(header.cookie(), "a=1");

    ReplyHeader ending(64);
    EXPECT_TRUE(ending.take("HTTP/1.1 204\n", keep));
    EXPECT_FALSE(ending.take("\r\n", keep));
}

TEST(ReplyHeader, ContentLengthIsTheFirstRunOfDigitsAndNeverOverflows) {
    const std::vector<std::pair<std::string, std::int32_t>> cases{
        {"Content-Length: 12\r\n", 12},
        {"content-length: x12y3\r\n", 12},
        {"Content-Length: 99999999999\r\n", std::numeric_limits<std::int32_t>::max()},
        {"Content-Length: none\r\n", 0},
    };
    for (const auto& [line, length] : cases) {
        SCOPED_TRACE(line);
        ReplyHeader header(1024);
        auto keep = [](std::string_view) {};
        header.take("HTTP/1.0 200 OK\r\n", keep);
        header.take(line, keep);
        EXPECT_EQ(header.contentLength(), length);
    }
}

}  // namespace
}  // namespace nettest

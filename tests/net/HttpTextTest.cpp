#include <gtest/gtest.h>

#include "net/Base64.h"
#include "net/FormEncode.h"
#include "net/HeaderList.h"
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

}  // namespace
}  // namespace nettest

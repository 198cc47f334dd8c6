// An answer's head as sent: the request's version, the reason, the fields and the Connection
// field that says whether the connection stays.

#include <gtest/gtest.h>

#include "server/ResponseHead.h"

namespace {

using namespace server;

TEST(ResponseHeadTest, TellsTheVersionsConnectionRuleAndEveryField) {
    Response response = textResponse(429, "Too many.");
    response.headers.emplace_back("Retry-After", "60");
    const struct {
        unsigned version;
        bool keepAlive;
        const char* statusLine;
        const char* connection;
    } cases[] = {
        {11, true, "HTTP/1.1 429 Too Many Requests\r\n", ""},
        {11, false, "HTTP/1.1 429 Too Many Requests\r\n", "Connection: close\r\n"},
        {10, true, "HTTP/1.0 429 Too Many Requests\r\n", "Connection: keep-alive\r\n"},
        {10, false, "HTTP/1.0 429 Too Many Requests\r\n", ""},
    };
    std::string head = "left from the last answer";
    for (const auto& [version, keepAlive, statusLine, connection] : cases) {
        writeResponseHead(response, version, keepAlive, head);
        EXPECT_EQ(head, std::string(statusLine) +
                            "Server: pudorock-ranking-server\r\n"
                            "Content-Type: text/plain; charset=utf-8\r\n"
                            "Retry-After: 60\r\n"
                            "Content-Length: 10\r\n" +
                            connection + "\r\n");
    }
}

}  // namespace

#pragma once
// What the HTTP client's tests share: the request a GET sends, and a client whose events are
// recorded in order.

#include <functional>
#include <string>
#include <vector>

#include "LoopbackServer.h"
#include "NetFixture.h"
#include "net/HttpClient.h"

namespace nettest {

inline const std::string AcceptLines =
    "Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff\r\n"
    "Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript\r\n";
inline const std::string ContentTypeLine = "Content-type: application/x-www-form-urlencoded\r\n";

inline std::string requestFor(const std::string& target, const std::string& host = "127.0.0.1") {
    return "GET " + target + " HTTP/1.0\r\nHost: " + host + "\r\n" + AcceptLines + ContentTypeLine +
           "\r\n";
}

inline LoopbackServer replying(Reply reply) {
    return LoopbackServer([reply](int, const std::string&) { return reply; });
}

using Events = std::vector<std::string>;

class HttpTest : public NetTest {
  protected:
    HttpTest() {
        client.OnSuccess = [this](net::CmdType cmd) {
            events.push_back("success " + std::to_string(cmd));
        };
        client.OnFailure = [this](net::CmdType cmd) {
            events.push_back("failure " + std::to_string(cmd));
        };
        client.OnRedirect = [this](bool&) { events.push_back("redirect"); };
    }

    // The text of the error that Get raises, or "" when it raises none.
    std::string errorOfGet(const std::string& url) {
        return errorOf([&] { client.Get(url); });
    }

    std::string errorOfPost(const std::string& url, const std::string& body,
                            const std::string& contentType) {
        return errorOf([&] { client.Post(url, body, contentType); });
    }

    net::THttpClient client{app};
    Events events;

  private:
    static std::string errorOf(const std::function<void()>& request) {
        try {
            request();
            return "";
        } catch (const std::exception& error) {
            return error.what();
        }
    }
};

}  // namespace nettest

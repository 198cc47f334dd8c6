#pragma once
// One request as the ranking sees it, and its answer, apart from how HTTP carries them.

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace server {

struct Request {
    std::string method;
    std::string target;  // path and query as sent
    std::string client;  // the address submissions are counted against
    std::string contentType{};
    std::string body{};  // at most BodyLimit bytes
    std::string acceptLanguage{};
};

struct Response {
    int status = 200;
    std::string contentType{};
    std::shared_ptr<const std::string> body;
    std::vector<std::pair<std::string, std::string>> headers;  // beyond type and length
};

Response textResponse(int status, const std::string& text);

// Hands an answer to its connection; called on the network thread.
using Respond = std::function<void(Response)>;
// Runs work on the network thread, from any thread.
using Deliver = std::function<void(std::function<void()>)>;

}  // namespace server

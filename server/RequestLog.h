#pragma once
// One line per request on an output stream: time, client, method, target (the query's name and
// comment shown decoded), status, bytes sent, microseconds taken.

#include <chrono>
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace server {

struct LoggedRequest {
    std::chrono::system_clock::time_point time;
    std::string_view client;
    std::string_view method;
    std::string_view target;
    int status = 0;
    std::size_t bytes = 0;
    std::chrono::microseconds taken{0};
};

// The target with the name and comment as UTF-8 text; control characters and bytes that are
// no text are written as "%HH", so that a line stays one line.
std::string shownTarget(std::string_view target);
std::string formatLogLine(const LoggedRequest& request);

// Lines are flushed at most every FlushPeriod as requests come, so that a crowd does not cost a
// system call a request; the owner calls flush() when the server falls quiet.
class RequestLog {
  public:
    static constexpr std::chrono::milliseconds FlushPeriod{100};

    explicit RequestLog(std::ostream& out) : out_(out) {}

    void write(const LoggedRequest& request);
    void flush();

  private:
    std::ostream& out_;
    std::chrono::system_clock::time_point flushedAt_;
};

}  // namespace server

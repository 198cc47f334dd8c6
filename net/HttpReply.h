#pragma once
// What a reply tells the HTTP client: its header read line by line within the header's bound,
// the few header lines the client acts on, what the status means, and the body's bound. Text
// only: no socket, no application.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace net {

// The most of a reply the client keeps: status line and header lines together, and body.
inline constexpr std::size_t MaxReplyHeaderSize = 64 * 1024;
inline constexpr std::size_t MaxReplyBodySize = 1024 * 1024;

// What a status asks of the client.
enum class StatusMeaning : std::uint8_t {
    Success,     // 200 to 299
    Redirect,    // 301, 302, 303, 307, 308
    Refused,     // 400 and above
    Unexpected,  // anything else
};

StatusMeaning meaningOf(int status);

// A redirection that repeats the request as it was (307, 308); the others are followed with a GET
// without a body, as browsers do.
bool redirectRepeatsRequest(int status);

// The status of a whole status line: "HTTP/" digits "." digits, a space, three digits, then a
// space and the reason or the line end; none for anything else.
std::optional<int> statusOfLine(std::string_view line);

// Raises EHttpError "Reply too large" for a body of more than MaxReplyBodySize bytes.
void checkBodySize(std::int64_t received);

class ReplyHeader {
  public:
    // Where the header's lines go, each as it was received.
    using Keep = std::function<void(std::string_view line)>;

    explicit ReplyHeader(std::size_t maxSize) : maxSize_(maxSize) {}

    // Takes the next line as it was read, with its line end (empty once the connection ended),
    // and hands it to keep; false once the header has ended. Raises EHttpError "Reply too large"
    // for a line that would take the header past maxSize (it is not kept), and a bad reply for a
    // first line that is not a whole status line.
    bool take(std::string_view line, const Keep& keep);

    // 0 until the status line has been taken.
    int status() const { return status_.value_or(0); }
    const std::string& cookie() const { return cookie_; }
    const std::string& location() const { return location_; }
    // 0 when none was announced.
    std::int32_t contentLength() const { return contentLength_; }

  private:
    void interpret(std::string_view line);

    std::size_t maxSize_;
    std::size_t size_ = 0;
    std::optional<int> status_;
    std::string cookie_;
    std::string location_;
    std::int32_t contentLength_ = 0;
};

}  // namespace net

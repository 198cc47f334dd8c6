// Feeds arbitrary reply bytes through the HTTP client's reading of a reply, as text: the lines
// the socket client's ReadLn would give go through the reply header within its bound, the
// Location found through the redirection rules and the URL split, and what follows the header is
// the body against its bound. The first input byte repeats the rest up to 2 MB, so that replies
// pass both bounds. Checks that what is kept stays within the bounds and is exactly the bytes
// received, and that the bounds refuse exactly the replies that pass them.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "net/HttpReply.h"
#include "net/HttpUrl.h"
#include "net/NetErrors.h"

namespace {

constexpr std::size_t RepeatStep = 8 * 1024;
// The socket client's buffer: ReadLn gives a longer line in pieces of this size.
constexpr std::size_t LinePieceSize = 64 * 1024;
constexpr std::size_t MaxValueLength = 256;

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// The rest of the input, repeated until it reaches repeatByte steps.
std::string replyOf(std::string_view rest, std::uint8_t repeatByte) {
    std::string reply(rest);
    while (!rest.empty() && reply.size() < repeatByte * RepeatStep) {
        reply += rest;
    }
    return reply;
}

// The next line ReadLn gives: up to and including a line feed, or a whole piece; empty, and
// nothing left, once the connection ended inside a line.
std::string_view readLine(std::string_view& rest) {
    std::size_t lineFeed = rest.substr(0, LinePieceSize).find('\n');
    std::size_t length = lineFeed != std::string_view::npos ? lineFeed + 1
                         : rest.size() >= LinePieceSize     ? LinePieceSize
                                                            : 0;
    std::string_view line = rest.substr(0, length);
    rest = length == 0 ? std::string_view() : rest.substr(length);
    return line;
}

void followLocation(const std::string& location) {
    try {
        net::checkRedirectLocation(location);
        net::HttpUrl url = net::splitUrl(net::resolveLocation(location, "ranking.example", 8080));
        check(url.target.starts_with('/') && url.target.size() <= net::MaxTargetLength);
        check(!url.port || (*url.port >= 1 && *url.port <= 65535));
    } catch (const net::EHttpError&) {
        // A location the client refuses to follow.
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const std::string reply =
        replyOf(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1), data[0]);
    std::string_view rest = reply;
    std::string header;
    net::ReplyHeader reading(net::MaxReplyHeaderSize);
    bool headerEnded = false;
    try {
        while (reading.take(readLine(rest), [&header](std::string_view line) { header += line; })) {
        }
        headerEnded = true;
    } catch (const net::EHttpError& error) {
        if (error.failure() == net::HttpFailure::ReplyTooLarge) {
            check(reply.size() > net::MaxReplyHeaderSize);
        }
    }
    check(header.size() <= net::MaxReplyHeaderSize);
    check(reply.starts_with(header));
    check(reading.location().size() <= MaxValueLength && reading.cookie().size() <= MaxValueLength);
    check(reading.contentLength() >= 0);
    if (!headerEnded) {
        return 0;
    }
    followLocation(reading.location());
    // The body is the rest; a capture takes one byte past its bound.
    check(header.size() + rest.size() == reply.size() || rest.empty());
    bool bodyTooLarge = false;
    try {
        net::checkBodySize(
            static_cast<std::int64_t>(std::min(rest.size(), net::MaxReplyBodySize + 1)));
    } catch (const net::EHttpError& error) {
        bodyTooLarge = error.failure() == net::HttpFailure::ReplyTooLarge;
    }
    check(bodyTooLarge == (rest.size() > net::MaxReplyBodySize));
    return 0;
}

#pragma once
// Where a request goes: its URL split the way the HTTP client sends it, and the rules for the
// locations a redirection may lead to. Text only: no socket, no application.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace net {

inline constexpr std::int32_t DefaultHttpPort = 80;
// Far beyond any ranking request; a longer target is refused rather than cut short.
inline constexpr std::size_t MaxTargetLength = 2048;

struct HttpUrl {
    // The server the URL names; empty when it names none, so that the one asked before stays.
    std::string host;
    // The port of the URL's scheme, or its own; none when the URL has no colon at all.
    std::optional<std::int32_t> port;
    // The path and query from the first slash on; "/" when the URL has none.
    std::string target;
    // The URL had no target, and "/" stands in for it.
    bool rootSupplied = false;
};

// Raises EHttpError (BadRequest) for an empty URL, an https one and an invalid port, and
// ERequestTooLong for a target longer than MaxTargetLength.
HttpUrl splitUrl(std::string_view url);

// Raises EHttpError (BadRedirect) for an empty location and for one other than http.
void checkRedirectLocation(std::string_view location);

// A bare name (no slash at all) is taken relative to the server just asked, on its port; any
// other location stays as it is.
std::string resolveLocation(const std::string& location, const std::string& host,
                            std::uint16_t port);

}  // namespace net

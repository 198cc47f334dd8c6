#include "net/HttpUrl.h"

#include <algorithm>
#include <cctype>

#include "net/NetErrors.h"
#include "net/NetMessages.h"
#include "net/TextFields.h"

namespace net {

namespace {

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

std::int32_t portOfScheme(const std::string& scheme) {
    if (scheme == "gopher") {
        return 70;
    }
    if (scheme == "ftp") {
        return 21;
    }
    if (scheme == "https") {
        throw EHttpError(HttpFailure::BadRequest, messages::SecureSocketNotSupported);
    }
    return DefaultHttpPort;
}

std::int32_t portNumber(const std::string& text) {
    std::optional<std::int32_t> port = decimalNumber(text);
    if (!port || *port < 1 || *port > 65535) {
        throw EHttpError(HttpFailure::BadRequest, messages::invalidPort(text));
    }
    return *port;
}

bool isSchemeCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '+' || c == '-' || c == '.';
}

// An http URL, or a place on the same server (a path, or a bare name); not another scheme and
// not another server without one.
bool isHttpLocation(std::string_view location) {
    if (lowerCase(location).starts_with("http://")) {
        return true;
    }
    if (location.starts_with("//")) {
        return false;
    }
    std::string_view beforePath = location.substr(0, location.find_first_of("/?#"));
    std::size_t colon = beforePath.find(':');
    bool hasScheme = colon != std::string_view::npos && colon > 0 &&
                     std::isalpha(static_cast<unsigned char>(location[0])) != 0 &&
                     std::all_of(location.begin(), location.begin() + colon, isSchemeCharacter);
    return !hasScheme;
}

}  // namespace

HttpUrl splitUrl(std::string_view url) {
    if (url.empty()) {
        throw EHttpError(HttpFailure::BadRequest, messages::EmptyUrl);
    }
    HttpUrl parts;
    bool hasAuthority = contains(url, "//");
    if (hasAuthority) {
        parts.target = url.substr(NthCharPos(url, '/', 3) - 1);
    } else if (std::size_t slash = url.find('/'); slash != std::string_view::npos) {
        parts.target = url.substr(slash);
    }
    if (parts.target.size() > MaxTargetLength) {
        throw ERequestTooLong();
    }
    if (contains(url, ":")) {
        parts.port = portOfScheme(lowerCase(NthField(url, ':', 1)));
    }
    if (hasAuthority) {
        parts.host = NthField(url, '/', 3);
    } else if (!url.starts_with('/')) {
        parts.host = NthField(url, '/', 1);
    }
    if (std::size_t colon = parts.host.find(':'); colon != std::string::npos) {
        parts.port = portNumber(NthField(parts.host, ':', 2));
        parts.host.resize(colon);
    }
    if (parts.target.empty()) {
        parts.target = "/";
        parts.rootSupplied = true;
    }
    return parts;
}

void checkRedirectLocation(std::string_view location) {
    if (location.empty()) {
        throw EHttpError(HttpFailure::BadRedirect, messages::RedirectWithoutLocation);
    }
    if (!isHttpLocation(location)) {
        throw EHttpError(HttpFailure::BadRedirect, messages::RedirectNotHttp);
    }
}

std::string resolveLocation(const std::string& location, const std::string& host,
                            std::uint16_t port) {
    if (contains(location, "/")) {
        return location;
    }
    std::string portPart = port == DefaultHttpPort ? "" : ":" + std::to_string(port);
    return "http://" + host + portPart + "/" + location;
}

}  // namespace net

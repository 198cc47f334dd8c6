#include "server/ClientAddress.h"

namespace server {

namespace {

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

// The last address in the header is the one the proxy itself added.
std::string clientAddress(const boost::asio::ip::address& peer, std::string_view forwardedFor) {
    if (peer.is_loopback()) {
        const std::size_t comma = forwardedFor.rfind(',');
        const std::string_view last = trimmed(
            comma == std::string_view::npos ? forwardedFor : forwardedFor.substr(comma + 1));
        boost::system::error_code error;
        const auto forwarded = boost::asio::ip::make_address(std::string(last), error);
        if (!error) {
            return forwarded.to_string();
        }
    }
    return peer.to_string();
}

}  // namespace server

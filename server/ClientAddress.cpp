#include "server/ClientAddress.h"

#include <boost/asio/ip/network_v6.hpp>

#include "text/Trim.h"

namespace server {

namespace {

namespace ip = boost::asio::ip;

constexpr unsigned short SubscriberPrefix = 64;

ip::address unmapped(const ip::address& address) {
    if (address.is_v6() && address.to_v6().is_v4_mapped()) {
        return ip::make_address_v4(ip::v4_mapped, address.to_v6());
    }
    return address;
}

}  // namespace

// The last address in the header is the one the proxy itself added.
std::string clientAddress(const ip::address& peer, std::string_view forwardedFor) {
    const ip::address own = unmapped(peer);
    if (own.is_loopback()) {
        const std::size_t comma = forwardedFor.rfind(',');
        const std::string_view last = text::trimmed(
            comma == std::string_view::npos ? forwardedFor : forwardedFor.substr(comma + 1));
        boost::system::error_code error;
        const auto forwarded = ip::make_address(std::string(last), error);
        if (!error) {
            return unmapped(forwarded).to_string();
        }
    }
    return own.to_string();
}

std::string clientGroup(std::string_view address) {
    boost::system::error_code error;
    const ip::address parsed = unmapped(ip::make_address(std::string(address), error));
    if (error) {
        return std::string(address);
    }
    if (parsed.is_v4()) {
        return parsed.to_string();
    }
    return ip::make_network_v6(parsed.to_v6(), SubscriberPrefix).canonical().to_string();
}

}  // namespace server

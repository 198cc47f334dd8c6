#pragma once
// The address a request is counted against. Behind a reverse proxy on the same machine every
// peer is the proxy, so a loopback peer's X-Forwarded-For names the client; from anyone else
// that header is not trusted. An IPv4 peer seen through an IPv6 socket (::ffff:a.b.c.d) counts
// as its IPv4 address.

#include <string>
#include <string_view>

#include <boost/asio/ip/address.hpp>

namespace server {

// forwardedFor is the last X-Forwarded-For line of the request (several lines read as one list,
// so the last address of the last line is the one the proxy added).
std::string clientAddress(const boost::asio::ip::address& peer, std::string_view forwardedFor);

// What limits share: an IPv6 address's /64 (one subscriber's network), any other address
// itself.
std::string clientGroup(std::string_view address);

}  // namespace server

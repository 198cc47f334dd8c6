#pragma once
// The address a request is counted against. Behind a reverse proxy on the same machine every
// peer is the proxy, so a loopback peer's X-Forwarded-For names the client; from anyone else
// that header is not trusted.

#include <string>
#include <string_view>

#include <boost/asio/ip/address.hpp>

namespace server {

std::string clientAddress(const boost::asio::ip::address& peer, std::string_view forwardedFor);

}  // namespace server

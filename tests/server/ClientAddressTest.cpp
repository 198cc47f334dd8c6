// Whom a request counts against: the peer, or behind a proxy on this machine the address it
// forwards; an IPv4 peer on an IPv6 socket as itself; IPv6 clients by their /64.

#include <gtest/gtest.h>

#include "server/ClientAddress.h"

namespace {

using server::clientAddress;
using server::clientGroup;

TEST(ClientAddressTest, TrustsTheLastForwardedAddressOnlyFromThisMachine) {
    const struct {
        const char* peer;
        const char* forwardedFor;
        const char* client;
    } cases[] = {
        {"127.0.0.1", "", "127.0.0.1"},
        {"127.0.0.1", "192.0.2.1, 198.51.100.7", "198.51.100.7"},
        {"127.0.0.1", " 198.51.100.7 ", "198.51.100.7"},
        {"127.0.0.1", "198.51.100.7, not-an-address", "127.0.0.1"},
        {"127.0.0.1", "::ffff:198.51.100.7", "198.51.100.7"},
        {"::1", "2001:db8::1", "2001:db8::1"},
        {"::ffff:127.0.0.1", "198.51.100.7", "198.51.100.7"},
        {"::ffff:192.0.2.5", "", "192.0.2.5"},
        {"::ffff:192.0.2.5", "198.51.100.7", "192.0.2.5"},
        {"192.0.2.5", "198.51.100.7", "192.0.2.5"},
    };
    for (const auto& [peer, forwardedFor, client] : cases) {
        EXPECT_EQ(clientAddress(boost::asio::ip::make_address(peer), forwardedFor), client)
            << peer << " forwarding " << forwardedFor;
    }
}

TEST(ClientAddressTest, GroupsIpv6ByItsSubscriberNetwork) {
    const struct {
        const char* address;
        const char* group;
    } cases[] = {
        {"192.0.2.5", "192.0.2.5"},
        {"2001:db8:1:2:3:4:5:6", "2001:db8:1:2::/64"},
        {"2001:db8:1:2::ffff", "2001:db8:1:2::/64"},
        {"::ffff:192.0.2.5", "192.0.2.5"},
        {"-", "-"},
    };
    for (const auto& [address, group] : cases) {
        EXPECT_EQ(clientGroup(address), group) << address;
    }
}

}  // namespace

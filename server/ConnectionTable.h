#pragma once
// The open connections as the server keeps account of them: the client each counts against,
// how many each client has, and which wait idle between requests, the longest idle first.

#include <cstddef>
#include <list>
#include <string>
#include <unordered_map>
#include <vector>

namespace server {

class HttpSession;

class ConnectionTable {
  public:
    explicit ConnectionTable(std::size_t perClient) : perClient_(perClient) {}

    std::size_t size() const { return connections_.size(); }
    bool contains(HttpSession* session) const { return connections_.contains(session); }
    bool hasRoomFor(const std::string& client) const;

    void add(HttpSession* session, const std::string& client);
    // Counts the session against another client; false, and no change, when that client
    // already has its share.
    bool moveTo(HttpSession* session, const std::string& client);
    void remove(HttpSession* session);

    void markIdle(HttpSession* session);
    void markBusy(HttpSession* session);
    // The session idle for longest, no longer counted idle; nullptr when none is.
    HttpSession* takeOldestIdle();
    bool hasIdle() const { return !idle_.empty(); }

    std::vector<HttpSession*> all() const;

  private:
    using IdleList = std::list<HttpSession*>;

    struct Connection {
        std::string client;
        IdleList::iterator idle;
        bool isIdle = false;
    };

    void count(const std::string& client);
    void uncount(const std::string& client);

    std::size_t perClient_;
    std::unordered_map<HttpSession*, Connection> connections_;
    std::unordered_map<std::string, std::size_t> perClientCount_;
    IdleList idle_;  // longest idle first
};

}  // namespace server

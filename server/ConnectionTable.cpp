#include "server/ConnectionTable.h"

namespace server {

bool ConnectionTable::hasRoomFor(const std::string& client) const {
    const auto found = perClientCount_.find(client);
    return found == perClientCount_.end() || found->second < perClient_;
}

void ConnectionTable::add(HttpSession* session, const std::string& client) {
    connections_.emplace(session, Connection{client, idle_.end(), false});
    count(client);
}

bool ConnectionTable::moveTo(HttpSession* session, const std::string& client) {
    Connection& connection = connections_.at(session);
    if (connection.client == client) {
        return true;
    }
    if (!hasRoomFor(client)) {
        return false;
    }
    uncount(connection.client);
    connection.client = client;
    count(client);
    return true;
}

void ConnectionTable::remove(HttpSession* session) {
    const auto found = connections_.find(session);
    if (found == connections_.end()) {
        return;
    }
    markBusy(session);
    uncount(found->second.client);
    connections_.erase(found);
}

void ConnectionTable::markIdle(HttpSession* session) {
    Connection& connection = connections_.at(session);
    if (!connection.isIdle) {
        connection.idle = idle_.insert(idle_.end(), session);
        connection.isIdle = true;
    }
}

void ConnectionTable::markBusy(HttpSession* session) {
    Connection& connection = connections_.at(session);
    if (connection.isIdle) {
        idle_.erase(connection.idle);
        connection.isIdle = false;
    }
}

HttpSession* ConnectionTable::takeOldestIdle() {
    if (idle_.empty()) {
        return nullptr;
    }
    HttpSession* oldest = idle_.front();
    markBusy(oldest);
    return oldest;
}

std::vector<HttpSession*> ConnectionTable::all() const {
    std::vector<HttpSession*> sessions;
    sessions.reserve(connections_.size());
    for (const auto& entry : connections_) {
        sessions.push_back(entry.first);
    }
    return sessions;
}

void ConnectionTable::count(const std::string& client) {
    ++perClientCount_[client];
}

void ConnectionTable::uncount(const std::string& client) {
    const auto found = perClientCount_.find(client);
    if (--found->second == 0) {
        perClientCount_.erase(found);
    }
}

}  // namespace server

#pragma once
// How many connections each peer address holds at once. A connection holds
// a worker for as long as it lasts, so one address (a slow or hostile client
// opening many) may hold only part of the pool and leaves the rest to others.

#include <map>
#include <mutex>
#include <string>

namespace appserver {

class PeerConnectionCap {
public:
    explicit PeerConnectionCap(int perPeer) : perPeer_(perPeer) {}

    // Counts a new connection of `peer`; false (and not counted) when the
    // peer already holds its share.
    bool Enter(const std::string& peer);
    void Leave(const std::string& peer);

private:
    const int perPeer_;
    std::mutex mutex_;
    std::map<std::string, int> open_;
};

}  // namespace appserver

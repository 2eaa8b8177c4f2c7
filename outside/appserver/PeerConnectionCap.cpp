#include "outside/appserver/PeerConnectionCap.h"

namespace appserver {

bool PeerConnectionCap::Enter(const std::string& peer) {
    std::lock_guard<std::mutex> lock(mutex_);
    int& count = open_[peer];
    if (count >= perPeer_)
        return false;
    ++count;
    return true;
}

void PeerConnectionCap::Leave(const std::string& peer) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = open_.find(peer);
    if (it != open_.end() && --it->second <= 0)
        open_.erase(it);
}

}  // namespace appserver

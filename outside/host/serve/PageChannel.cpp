#include "outside/host/serve/PageChannel.h"

#include <algorithm>

namespace host::serve {

bool PageChannel::HeldByOther(const std::string& client, Clock::time_point now) {
    if (!holder_.empty() && holder_ != client && now - holderSeen_ > holdTimeout_) holder_.clear();
    if (holder_.empty() && !client.empty()) holder_ = client;
    if (holder_ != client) return true;
    holderSeen_ = now;
    return false;
}

nlohmann::json PageChannel::StateFor(const std::string& client) const {
    nlohmann::json state = state_;
    state["version"] = version_;
    state["holding"] = !client.empty() && holder_ == client;
    return state;
}

PageChannel::Outcome PageChannel::Submit(const std::string& client, nlohmann::json event, Clock::duration wait) {
    std::unique_lock lock(mutex_);
    if (closed_) return {"the form has closed", StateFor(client)};
    if (HeldByOther(client, Clock::now())) return {"another page is using the form", StateFor(client)};
    const uint64_t seq = nextSeq_++;
    queue_.push_back({seq, std::move(event)});
    changed_.notify_all();
    const auto refusal = [&] {
        return std::find_if(refused_.begin(), refused_.end(), [seq](const auto& r) { return r.first == seq; });
    };
    changed_.wait_for(lock, wait, [&] { return handled_ >= seq || refusal() != refused_.end() || closed_; });
    Outcome outcome;
    if (const auto it = refusal(); it != refused_.end()) {
        outcome.Error = it->second;
        refused_.erase(it);
    }
    outcome.State = StateFor(client);
    return outcome;
}

nlohmann::json PageChannel::WaitState(const std::string& client, uint64_t after, Clock::duration wait) {
    std::unique_lock lock(mutex_);
    HeldByOther(client, Clock::now());
    changed_.wait_for(lock, wait, [&] { return version_ > after; });
    // A page that waited the whole time is still there.
    HeldByOther(client, Clock::now());
    return StateFor(client);
}

void PageChannel::Release(const std::string& client) {
    std::lock_guard lock(mutex_);
    if (holder_ == client) holder_.clear();
    changed_.notify_all();
}

nlohmann::json PageChannel::Scenario() const {
    std::lock_guard lock(mutex_);
    return scenario_;
}

std::optional<PageEvent> PageChannel::Take() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return !queue_.empty() || closed_; });
    if (closed_) return std::nullopt;
    PageEvent event = std::move(queue_.front());
    queue_.pop_front();
    return event;
}

void PageChannel::Refuse(uint64_t seq, const std::string& error) {
    std::lock_guard lock(mutex_);
    refused_.emplace_back(seq, error);
    // Refusals nobody waits for any more must not pile up.
    while (refused_.size() > 64) refused_.pop_front();
    changed_.notify_all();
}

void PageChannel::Publish(nlohmann::json state, nlohmann::json scenario) {
    std::lock_guard lock(mutex_);
    // Events still queued were not handled yet; the one taken last was.
    handled_ = queue_.empty() ? nextSeq_ - 1 : queue_.front().Seq - 1;
    if (state != state_) {
        state_ = std::move(state);
        ++version_;
    }
    scenario_ = std::move(scenario);
    changed_.notify_all();
}

void PageChannel::Close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    changed_.notify_all();
}

bool PageChannel::Closed() const {
    std::lock_guard lock(mutex_);
    return closed_;
}

}  // namespace host::serve

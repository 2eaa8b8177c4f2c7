#pragma once
// The meeting point of the page's HTTP requests and the user-interface
// thread. Requests queue input events and wait for the state the forms show
// afterwards; the user-interface thread takes events one at a time (inside
// whichever modal loop it sits) and publishes the state whenever it is ready
// for the next one. Only one page at a time holds the forms: the first to
// ask, until it lets go or stops polling.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

namespace host::serve {

struct PageEvent {
    uint64_t Seq = 0;
    nlohmann::json Event;
};

class PageChannel {
public:
    using Clock = std::chrono::steady_clock;

    explicit PageChannel(Clock::duration holdTimeout = std::chrono::seconds(5)) : holdTimeout_(holdTimeout) {}

    // --- the HTTP side ---
    struct Outcome {
        // Empty when the event was taken; otherwise why it was refused.
        std::string Error;
        nlohmann::json State;
    };
    // Queues `event` for `client` and waits until the forms took it (or
    // refused it, or `wait` passed); refused when another page holds the forms.
    Outcome Submit(const std::string& client, nlohmann::json event, Clock::duration wait);
    // The state once its version is past `after` (or when `wait` passed), as
    // `client` sees it: whether it holds the forms. Polling keeps a hold alive.
    nlohmann::json WaitState(const std::string& client, uint64_t after, Clock::duration wait);
    // A page that goes away lets go of the forms.
    void Release(const std::string& client);
    nlohmann::json Scenario() const;

    // --- the user-interface side ---
    // The next event; none once the channel is closed.
    std::optional<PageEvent> Take();
    // The forms could not take the event `seq`; nothing changed.
    void Refuse(uint64_t seq, const std::string& error);
    // The state as the forms now show it, with every event so far handled.
    void Publish(nlohmann::json state, nlohmann::json scenario);
    // Ends the waits: Take returns nothing from now on.
    void Close();
    bool Closed() const;

private:
    // Caller holds mutex_.
    bool HeldByOther(const std::string& client, Clock::time_point now);
    nlohmann::json StateFor(const std::string& client) const;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<PageEvent> queue_;
    uint64_t nextSeq_ = 1;
    uint64_t handled_ = 0;
    std::deque<std::pair<uint64_t, std::string>> refused_;
    nlohmann::json state_ = nlohmann::json::object();
    nlohmann::json scenario_ = nlohmann::json::object();
    uint64_t version_ = 0;
    bool closed_ = false;
    std::string holder_;
    Clock::time_point holderSeen_;
    Clock::duration holdTimeout_;
};

}  // namespace host::serve

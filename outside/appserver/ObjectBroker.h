#pragma once
// The server end of the remote connection (the protocol of
// platform/remote/RemoteProtocol.h), independent of the HTTP library: one
// session per connect, holding the server object it created and the objects
// its calls handed out, until disconnect. Calls on one session run one at a
// time; sessions run side by side.
// With an authenticator, connect carries "user" and "password" and a session
// acts for that user only; the session identifier is the secret every later
// call carries, drawn from the system's secure random source. A session idle
// longer than the idle time-out ends; a user over the per-user cap loses the
// session it used least recently, so nobody's idle sessions lock out a login.

#include <chrono>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/automation/Dispatch.h"

namespace appserver {

struct BrokerLimits {
    size_t maxSessions = 256;
    size_t maxSessionsPerUser = 16;
    std::chrono::milliseconds idleTimeout = std::chrono::minutes(30);
};

class ObjectBroker {
public:
    // The logged-in user a session acts for; empty without an authenticator.
    struct Caller {
        std::string user, company;
    };
    // Answers the object for a ProgID, nullptr for an unknown one; may raise.
    using Factory = std::function<rt::DispatchPtr(const std::string& progId, const Caller& caller)>;
    // The user's company when the password is right, "" otherwise.
    using Authenticator = std::function<std::string(const std::string& user, const std::string& password)>;
    using Limits = BrokerLimits;

    struct Reply {
        int status = 200;
        nlohmann::json body;
    };

    explicit ObjectBroker(Factory factory, Authenticator authenticator = nullptr, Limits limits = {});

    // `path` is "/connect", "/invoke" or "/disconnect"; `body` the posted JSON text.
    Reply Handle(const std::string& path, const std::string& body);
    size_t SessionCount() const;

private:
    struct Session {
        std::mutex lock;
        std::vector<rt::DispatchPtr> objects;  // [0] the server object
        Caller caller;
        std::chrono::steady_clock::time_point lastUsed;  // under the broker's lock
    };
    using SessionPtr = std::shared_ptr<Session>;

    Reply Connect(const nlohmann::json& request);
    Reply Invoke(const nlohmann::json& request);
    Reply Disconnect(const nlohmann::json& request);
    SessionPtr FindSession(const nlohmann::json& request);
    Caller LogIn(const nlohmann::json& request) const;
    // Under lock_: ends idle sessions and makes room for one more of `user`.
    void MakeRoomFor(const std::string& user);

    Factory factory_;
    Authenticator authenticator_;
    Limits limits_;
    mutable std::mutex lock_;
    std::map<std::string, SessionPtr> sessions_;
};

}  // namespace appserver

#pragma once
// The server end of the remote connection (the protocol of
// platform/remote/RemoteProtocol.h), independent of the HTTP library: one
// session per connect, holding the server object it created and the objects
// its calls handed out, until disconnect. Calls on one session run one at a
// time; sessions run side by side.

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

class ObjectBroker {
public:
    // Answers the object for a ProgID, nullptr for an unknown one; may raise.
    using Factory = std::function<rt::DispatchPtr(const std::string& progId)>;

    struct Reply {
        int status = 200;
        nlohmann::json body;
    };

    explicit ObjectBroker(Factory factory, size_t maxSessions = 256);

    // `path` is "/connect", "/invoke" or "/disconnect"; `body` the posted JSON text.
    Reply Handle(const std::string& path, const std::string& body);
    size_t SessionCount() const;

private:
    struct Session {
        std::mutex lock;
        std::vector<rt::DispatchPtr> objects;  // [0] the server object
    };
    using SessionPtr = std::shared_ptr<Session>;

    Reply Connect(const nlohmann::json& request);
    Reply Invoke(const nlohmann::json& request);
    Reply Disconnect(const nlohmann::json& request);
    SessionPtr FindSession(const nlohmann::json& request) const;
    std::string NewSessionId() const;

    Factory factory_;
    size_t maxSessions_;
    mutable std::mutex lock_;
    std::map<std::string, SessionPtr> sessions_;
};

}  // namespace appserver

#pragma once
// The portal web service over HTTP on loopback: a POST to "/PortalService"
// with the service name in the header "X-Service-Name" and the request text
// as body is answered by a TPortalDirectory. It never binds beyond loopback.

#include <memory>
#include <string>

#include "outside/portal/TPortalDirectory.h"

namespace portal {

struct TPortalOptions {
    int port = 0;              // 0 = a free port
    bool declaration = true;   // false: answers carry no XML declaration
};

class TPortalServer {
public:
    explicit TPortalServer(TPortalDirectory directory = {}, TPortalOptions options = {});
    // Stops serving and waits for the serving thread.
    ~TPortalServer();
    TPortalServer(const TPortalServer&) = delete;
    TPortalServer& operator=(const TPortalServer&) = delete;

    // Binds 127.0.0.1 and serves on a thread of its own; raises
    // rt::EOSError when the port cannot be bound.
    void Start();
    // Binds and serves on the calling thread until Stop; false when serving failed.
    bool Run();
    // Safe from any thread.
    void Stop();

    int Port() const { return port_; }
    // "http://127.0.0.1:PORT/PortalService" once bound.
    std::string Address() const;

private:
    void Bind();

    struct Impl;
    std::unique_ptr<Impl> impl_;
    TPortalOptions options_;
    int port_ = 0;
};

}  // namespace portal

#pragma once
// An automation object living in the application server: every Invoke is
// forwarded over HTTP, by-reference arguments receive the values the server
// wrote, objects handed back are remote objects of the same session, and a
// server-side failure is raised again as EOleException with the server's
// message.

#include <memory>
#include <string>

#include "platform/automation/Dispatch.h"
#include "platform/remote/HttpJsonClient.h"

namespace rt {

// One session on the server; shared by the server object and the objects its
// calls returned. Destroying the last holder does not disconnect: the
// connection does that explicitly.
struct TRemoteSession {
    HttpJsonClient client;
    std::string id;
    std::string serverName;
};

class TRemoteDispatch : public IDispatch {
public:
    TRemoteDispatch(std::shared_ptr<TRemoteSession> session, size_t objectIndex);

    Variant Invoke(const std::string& name, InvokeKind kind, std::vector<Variant>& args) override;
    std::string DispatchName() const override;

private:
    std::shared_ptr<TRemoteSession> session_;
    size_t objectIndex_;
};

// Sends `request` to `path` and answers the reply body; raises the server's
// error (EOleException) or a transport error (EOleSysError).
nlohmann::json RemoteCall(const HttpJsonClient& client, const std::string& path, const nlohmann::json& request);

}  // namespace rt

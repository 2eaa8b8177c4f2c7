#pragma once
// The module's connection to its application server: names the server
// object (`ServerName`, a ProgID) and where it runs (`Address`, `Port`).
// Connecting to the address "127.0.0.1" exactly creates the object
// in-process with CreateOleObject instead, as the forms expect of a local
// server; any other address reaches hemr07-appserver over HTTP, logging in
// with the connection's credentials, or the process's (RemoteCredentials.h)
// when it has none.

#include <memory>
#include <string>

#include "platform/core/Variant.h"
#include "platform/remote/RemoteCredentials.h"

namespace rt {

struct TRemoteSession;

class TRemoteConnection {
public:
    TRemoteConnection();
    ~TRemoteConnection();
    TRemoteConnection(const TRemoteConnection&) = delete;
    TRemoteConnection& operator=(const TRemoteConnection&) = delete;

    const std::string& Address() const { return address_; }
    void SetAddress(const std::string& address);
    int Port() const { return port_; }
    void SetPort(int port);
    const std::string& ServerName() const { return serverName_; }
    void SetServerName(const std::string& serverName);
    void SetCredentials(const RemoteCredentials& credentials);
    // Call-backs from the server are not supported.
    bool SupportCallbacks() const { return false; }

    bool Connected() const { return connected_; }
    // true connects (raising on failure, the connection stays closed), false
    // disconnects; setting the current state again does nothing.
    void SetConnected(bool connected);
    void Open() { SetConnected(true); }
    void Close() { SetConnected(false); }
    // True when the server object was created in-process.
    bool IsLocal() const;

    // The server object while connected; empty otherwise.
    const Variant& AppServer() const { return appServer_; }

private:
    void Connect();
    void Disconnect();
    void RequireClosed(const char* property) const;

    std::string address_;
    int port_ = 211;
    std::string serverName_;
    RemoteCredentials credentials_;
    bool connected_ = false;
    Variant appServer_;
    std::shared_ptr<TRemoteSession> session_;
};

}  // namespace rt

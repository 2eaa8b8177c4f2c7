#include "platform/remote/TRemoteConnection.h"

#include "platform/automation/ComObj.h"
#include "platform/core/Exceptions.h"
#include "platform/remote/TRemoteDispatch.h"

namespace rt {

namespace {

constexpr const char* kLocalAddress = "127.0.0.1";

std::string BaseUrl(const std::string& address, int port) {
    // A bare IPv6 address needs brackets in a URL.
    std::string host = address.find(':') != std::string::npos ? "[" + address + "]" : address;
    return "http://" + host + ":" + std::to_string(port);
}

}  // namespace

TRemoteConnection::TRemoteConnection() = default;

TRemoteConnection::~TRemoteConnection() {
    try {
        Disconnect();
    } catch (...) {
        // A server that has gone away cannot be told; nothing else to do.
    }
}

void TRemoteConnection::RequireClosed(const char* property) const {
    if (connected_)
        throw EInvalidOperation(std::string("Cannot change ") + property + " of an open connection");
}

void TRemoteConnection::SetAddress(const std::string& address) {
    RequireClosed("Address");
    address_ = address;
}

void TRemoteConnection::SetPort(int port) {
    RequireClosed("Port");
    if (port <= 0 || port > 65535)
        throw ERangeError("Port " + std::to_string(port) + " out of range");
    port_ = port;
}

void TRemoteConnection::SetServerName(const std::string& serverName) {
    RequireClosed("ServerName");
    serverName_ = serverName;
}

void TRemoteConnection::SetCredentials(const RemoteCredentials& credentials) {
    RequireClosed("the credentials");
    credentials_ = credentials;
}

bool TRemoteConnection::IsLocal() const { return address_ == kLocalAddress; }

void TRemoteConnection::SetConnected(bool connected) {
    if (connected == connected_)
        return;
    if (connected)
        Connect();
    else
        Disconnect();
}

void TRemoteConnection::Connect() {
    if (serverName_.empty())
        throw EOleError("No server name set on the connection");
    if (IsLocal()) {
        appServer_ = CreateOleObject(serverName_);
    } else {
        if (address_.empty())
            throw EOleError("No server address set on the connection");
        auto session = std::make_shared<TRemoteSession>(TRemoteSession{HttpJsonClient(BaseUrl(address_, port_)), "", serverName_});
        const RemoteCredentials login = credentials_.user.empty() ? DefaultRemoteCredentials() : credentials_;
        nlohmann::json reply = RemoteCall(session->client, "/connect",
                                          {{"server", serverName_}, {"user", login.user}, {"password", login.password}});
        if (!reply.contains("id") || !reply["id"].is_string())
            throw EOleSysError("Bad answer from the application server to connect", DISP_E_EXCEPTION);
        session->id = reply["id"].get<std::string>();
        session_ = session;
        appServer_ = Variant(DispatchPtr(std::make_shared<TRemoteDispatch>(session_, 0)));
    }
    connected_ = true;
}

void TRemoteConnection::Disconnect() {
    if (!connected_)
        return;
    connected_ = false;
    appServer_ = Variant();
    std::shared_ptr<TRemoteSession> session = std::move(session_);
    if (session)
        RemoteCall(session->client, "/disconnect", {{"id", session->id}});
}

}  // namespace rt

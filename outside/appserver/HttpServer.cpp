#include "outside/appserver/HttpServer.h"

#include <arpa/inet.h>
#include <dlfcn.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <set>

#include "outside/appserver/ObjectBroker.h"
#include "outside/appserver/PeerConnectionCap.h"
#include "platform/core/Exceptions.h"
#include "platform/os/Files.h"
#include "platform/remote/RemoteProtocol.h"

namespace appserver {

namespace {

// The library serves each accepted connection through one private virtual
// member, exported from its shared library, and offers no hook between
// accept and serving. The server below overrides that member to count
// connections per peer, and calls the library's own by its exported symbol
// (a call through a member pointer would dispatch back to the override).
using ServeSocketFn = bool (*)(httplib::Server*, socket_t);

ServeSocketFn LibraryServeSocket() {
    static const ServeSocketFn serve = [] {
        void* symbol = ::dlsym(RTLD_DEFAULT, "_ZN7httplib6Server24process_and_close_socketEi");
        if (symbol == nullptr)
            throw rt::EOSError("The HTTP library lacks its connection entry point; cannot serve", 0);
        return reinterpret_cast<ServeSocketFn>(symbol);
    }();
    return serve;
}

std::string PeerOf(socket_t sock) {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (::getpeername(sock, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return "";
    char text[INET6_ADDRSTRLEN] = {};
    const void* raw = address.ss_family == AF_INET6
                          ? static_cast<const void*>(&reinterpret_cast<sockaddr_in6*>(&address)->sin6_addr)
                          : static_cast<const void*>(&reinterpret_cast<sockaddr_in*>(&address)->sin_addr);
    return ::inet_ntop(address.ss_family, raw, text, sizeof text) ? text : "";
}

class PeerCappedServer : public httplib::Server {
public:
    PeerCappedServer() : serve_(LibraryServeSocket()), cap_(HttpServer::kConnectionsPerPeer) {}

    // Ends every connection being served, so that a worker waiting on an idle
    // kept-alive caller returns at once instead of at the end of its wait.
    void EndConnections() {
        const std::lock_guard<std::mutex> lock(mutex_);
        for (const socket_t sock : open_) ::shutdown(sock, SHUT_RDWR);
    }

private:
    bool process_and_close_socket(socket_t sock) override {
        const std::string peer = PeerOf(sock);
        if (!cap_.Enter(peer)) {
            ::shutdown(sock, SHUT_RDWR);
            ::close(sock);
            return false;
        }
        struct Counted {
            PeerCappedServer& server;
            socket_t sock;
            const std::string& peer;
            ~Counted() {
                server.cap_.Leave(peer);
                const std::lock_guard<std::mutex> lock(server.mutex_);
                server.open_.erase(sock);
            }
        } counted{*this, sock, peer};
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            open_.insert(sock);
        }
        return serve_(this, sock);
    }

    const ServeSocketFn serve_;
    PeerConnectionCap cap_;
    std::mutex mutex_;
    std::set<socket_t> open_;
};

}  // namespace

struct HttpServer::Impl {
    ObjectBroker& broker;
    PeerCappedServer server;
    explicit Impl(ObjectBroker& b) : broker(b) {}
};

HttpServer::HttpServer(ObjectBroker& broker) : impl_(std::make_unique<Impl>(broker)) {
    impl_->server.set_payload_max_length(64u << 20);
    impl_->server.set_tcp_nodelay(true);  // a kept-alive caller must not wait for the delayed ACK
    impl_->server.set_keep_alive_max_count(1000);  // a session keeps its one connection
    // A connection holds a worker while it lasts: a caller that stops sending
    // or reading is cut off, an idle kept-alive one closed, and the pool is
    // wide enough that slow callers do not keep a quick one waiting.
    impl_->server.set_read_timeout(kReadTimeoutSeconds, 0);
    impl_->server.set_write_timeout(kReadTimeoutSeconds, 0);
    impl_->server.set_keep_alive_timeout(kReadTimeoutSeconds);
    impl_->server.new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
    // Not the library's default SO_REUSEPORT: a second server on the port must
    // fail to start, not share the callers with the first.
    impl_->server.set_socket_options([](int sock) {
        int yes = 1;
        ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    auto route = [this](const httplib::Request& req, httplib::Response& res) {
        ObjectBroker::Reply reply = impl_->broker.Handle(req.path, req.body);
        res.status = reply.status;
        res.set_content(reply.body.dump(), "application/json");
    };
    for (const char* path : {"/connect", "/invoke", "/disconnect"})
        impl_->server.Post(path, route);
    impl_->server.set_error_handler([](const httplib::Request& req, httplib::Response& res) {
        if (!res.body.empty())
            return;
        std::string why = res.status == 404 ? "Unknown address " + req.path : "Request refused";
        res.set_content(rt::RemoteErrorJson("EBadRequest", why, static_cast<int32_t>(0x80070057)).dump(),
                        "application/json");
    });
}

HttpServer::~HttpServer() = default;

void HttpServer::ServeFiles(const std::string& prefix, std::function<std::string(const std::string& name)> fileFor) {
    impl_->server.Get(prefix + "([^/]+)", [fileFor = std::move(fileFor)](const httplib::Request& req,
                                                                      httplib::Response& res) {
        std::string bytes;
        const std::string file = fileFor(req.matches[1]);
        if (file.empty() || !rt::ReadFileToString(file, bytes)) {
            res.status = 404;
            res.set_content("No such file", "text/plain");
            return;
        }
        res.set_content(std::move(bytes), "application/octet-stream");
    });
}

int HttpServer::Bind(const std::string& host, int port) {
    int bound = port == 0 ? impl_->server.bind_to_any_port(host) : (impl_->server.bind_to_port(host, port) ? port : -1);
    if (bound <= 0) {
        const int error = errno;
        const std::string why = error == EADDRINUSE ? "the port is already in use by another program"
                                                    : std::strerror(error);
        throw rt::EOSError("Cannot listen on " + host + ":" + std::to_string(port) + ": " + why,
                           static_cast<uint32_t>(error));
    }
    return bound;
}

bool HttpServer::Run() { return impl_->server.listen_after_bind(); }

void HttpServer::Stop() {
    impl_->server.stop();
    impl_->server.EndConnections();
}

}  // namespace appserver

#include "outside/portal/TPortalServer.h"

#include <httplib.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "platform/core/Exceptions.h"

namespace portal {

namespace {
constexpr const char* kLoopback = "127.0.0.1";
constexpr const char* kPath = "/PortalService";
constexpr size_t kMaxRequestBytes = 1u << 20;
}  // namespace

struct TPortalServer::Impl {
    TPortalDirectory directory;
    httplib::Server server;
    std::thread thread;
};

TPortalServer::TPortalServer(TPortalDirectory directory, TPortalOptions options)
    : impl_(std::make_unique<Impl>()), options_(options) {
    impl_->directory = std::move(directory);
    impl_->server.set_payload_max_length(kMaxRequestBytes);
    impl_->server.Post(kPath, [this](const httplib::Request& req, httplib::Response& res) {
        res.set_content(impl_->directory.Answer(req.get_header_value("X-Service-Name"), req.body,
                                                options_.declaration),
                        "text/xml; charset=UTF-8");
    });
}

TPortalServer::~TPortalServer() {
    Stop();
    if (impl_->thread.joinable()) impl_->thread.join();
}

void TPortalServer::Bind() {
    const int p = options_.port;
    port_ = p == 0 ? impl_->server.bind_to_any_port(kLoopback) : (impl_->server.bind_to_port(kLoopback, p) ? p : -1);
    if (port_ <= 0)
        throw rt::EOSError("Cannot listen on " + std::string(kLoopback) + ":" + std::to_string(p),
                           static_cast<uint32_t>(errno));
}

void TPortalServer::Start() {
    Bind();
    impl_->thread = std::thread([this] { impl_->server.listen_after_bind(); });
    // A stop before the loop runs would be lost: wait until it does.
    while (!impl_->server.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

bool TPortalServer::Run() {
    Bind();
    return impl_->server.listen_after_bind();
}

void TPortalServer::Stop() { impl_->server.stop(); }

std::string TPortalServer::Address() const {
    return "http://" + std::string(kLoopback) + ":" + std::to_string(port_) + kPath;
}

}  // namespace portal

#include "outside/appserver/SmsGatewayStub.h"

#include <httplib.h>

#include <mutex>
#include <thread>

#include <nlohmann/json.hpp>

#include "platform/core/Exceptions.h"

namespace appserver {

struct SmsGatewayStub::Impl {
    httplib::Server server;
    int port = 0;
    mutable std::mutex mutex;
    std::vector<ReceivedSms> messages;
    std::thread thread;
};

SmsGatewayStub::SmsGatewayStub() : impl_(std::make_unique<Impl>()) {
    impl_->server.Post("/sms", [this](const httplib::Request& req, httplib::Response& res) {
        nlohmann::json body = nlohmann::json::parse(req.body, nullptr, false);
        if (!body.is_object() || !body.contains("to") || !body.contains("text") || !body["to"].is_string() ||
            !body["text"].is_string()) {
            res.status = 400;
            return;
        }
        std::lock_guard<std::mutex> lock(impl_->mutex);
        impl_->messages.push_back({body["to"].get<std::string>(), body["text"].get<std::string>()});
        res.set_content("{\"ok\":true}", "application/json");
    });
    impl_->port = impl_->server.bind_to_any_port("127.0.0.1");
    if (impl_->port <= 0)
        throw rt::EOSError("Cannot start the SMS gateway stand-in", 0);
    impl_->thread = std::thread([this] { impl_->server.listen_after_bind(); });
}

SmsGatewayStub::~SmsGatewayStub() {
    // A stop before the loop has begun would be lost.
    while (!impl_->server.is_running())
        std::this_thread::yield();
    impl_->server.stop();
    impl_->thread.join();
}

std::string SmsGatewayStub::Address() const { return "http://127.0.0.1:" + std::to_string(impl_->port) + "/sms"; }

std::vector<ReceivedSms> SmsGatewayStub::Messages() const {
    std::lock_guard<std::mutex> lock(impl_->mutex);
    return impl_->messages;
}

}  // namespace appserver

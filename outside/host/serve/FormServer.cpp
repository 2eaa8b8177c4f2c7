#include "outside/host/serve/FormServer.h"

#include <stdexcept>

#include <httplib.h>

#include "outside/host/serve/PageEvents.h"
#include "platform/core/EmbeddedFile.h"

const rt::EmbeddedFile* HostServePage(size_t& count);

namespace host::serve {

namespace {

void Reply(httplib::Response& res, int status, const nlohmann::json& body) {
    res.status = status;
    res.set_header("Cache-Control", "no-store");
    // With the charset named the state is not compressed: compressing it costs more than sending it on loopback.
    res.set_content(body.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace),
                    "application/json; charset=utf-8");
}

void Refuse(httplib::Response& res, int status, const std::string& error) { Reply(res, status, {{"error", error}}); }

// The body of a page message: a JSON object with the page's id; nothing when it is not one.
std::optional<nlohmann::json> Message(const httplib::Request& req, httplib::Response& res) {
    if (req.body.size() > PageEvents::kMaxMessageBytes) {
        Refuse(res, 413, "the message is too long");
        return std::nullopt;
    }
    nlohmann::json message = nlohmann::json::parse(req.body, nullptr, false);
    if (message.is_discarded() || !message.is_object()) {
        Refuse(res, 400, "the message is no JSON object");
        return std::nullopt;
    }
    if (!message.contains("client") || !message["client"].is_string() ||
        !PageEvents::IsClientId(message["client"].get<std::string>())) {
        Refuse(res, 400, "the message names no page");
        return std::nullopt;
    }
    return message;
}

}  // namespace

FormServer::FormServer(PageChannel& channel, const ReportFiles& reports)
    : channel_(channel), reports_(reports), server_(std::make_unique<httplib::Server>()) {
    // Longer bodies are read only up to here and then refused.
    server_->set_payload_max_length(PageEvents::kMaxMessageBytes * 4);
    // Answers go out at once: a key press waits for its answer.
    server_->set_tcp_nodelay(true);
    Routes();
}

FormServer::~FormServer() { Stop(); }

int FormServer::Bind(int port) {
    const int bound = port == 0 ? server_->bind_to_any_port("127.0.0.1") : (server_->bind_to_port("127.0.0.1", port) ? port : -1);
    if (bound <= 0) throw std::runtime_error("cannot listen on 127.0.0.1:" + std::to_string(port));
    port_ = bound;
    return bound;
}

void FormServer::Listen() { server_->listen_after_bind(); }

void FormServer::Stop() {
    if (server_->is_running()) server_->stop();
}

void FormServer::Routes() {
    // Only pages addressed to this loopback server, not a web site whose
    // name was pointed at 127.0.0.1 afterwards.
    server_->set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
        const std::string host = req.get_header_value("Host");
        const std::string port = ":" + std::to_string(port_);
        if (host == "127.0.0.1" + port || host == "localhost" + port) return httplib::Server::HandlerResponse::Unhandled;
        Refuse(res, 403, "unknown host");
        return httplib::Server::HandlerResponse::Handled;
    });
    server_->Get("/", [](const httplib::Request&, httplib::Response& res) {
        size_t count = 0;
        const rt::EmbeddedFile* files = HostServePage(count);
        const rt::EmbeddedFile* page = rt::FindEmbeddedFile(files, count, "index.html");
        res.set_header("Cache-Control", "no-store");
        res.set_content(std::string(page->Bytes()), "text/html; charset=utf-8");
    });
    server_->Get("/state", [this](const httplib::Request& req, httplib::Response& res) {
        const std::string client = req.get_param_value("client");
        if (!client.empty() && !PageEvents::IsClientId(client)) return Refuse(res, 400, "bad page id");
        uint64_t after = 0;
        try {
            if (req.has_param("after")) after = std::stoull(req.get_param_value("after"));
        } catch (const std::exception&) {
            return Refuse(res, 400, "after must be a version number");
        }
        Reply(res, 200, channel_.WaitState(client, after, std::chrono::seconds(kPollSeconds)));
    });
    server_->Post("/input", [this](const httplib::Request& req, httplib::Response& res) {
        const std::optional<nlohmann::json> message = Message(req, res);
        if (!message) return;
        if (!message->contains("event")) return Refuse(res, 400, "the message holds no event");
        const std::string problem = PageEvents::Check((*message)["event"]);
        if (!problem.empty()) return Refuse(res, 400, problem);
        const PageChannel::Outcome outcome =
            channel_.Submit((*message)["client"].get<std::string>(), (*message)["event"], std::chrono::seconds(10));
        if (!outcome.Error.empty()) return Reply(res, 409, {{"error", outcome.Error}, {"state", outcome.State}});
        Reply(res, 200, {{"state", outcome.State}});
    });
    server_->Post("/release", [this](const httplib::Request& req, httplib::Response& res) {
        const std::optional<nlohmann::json> message = Message(req, res);
        if (!message) return;
        channel_.Release((*message)["client"].get<std::string>());
        Reply(res, 200, {{"released", true}});
    });
    server_->Get("/scenario.json", [this](const httplib::Request&, httplib::Response& res) {
        res.set_header("Content-Disposition", "attachment; filename=\"hemr07-recorded.json\"");
        res.set_header("Cache-Control", "no-store");
        res.set_content(channel_.Scenario().dump(2) + "\n", "application/json");
    });
    server_->Get(R"(/reports/([^/]+))", [this](const httplib::Request& req, httplib::Response& res) {
        const std::optional<ReportFiles::File> file = reports_.Read(req.matches[1].str());
        if (!file) return Refuse(res, 404, "no such report file");
        res.set_header("X-Content-Type-Options", "nosniff");
        res.set_content(file->Bytes, file->ContentType);
    });
}

}  // namespace host::serve

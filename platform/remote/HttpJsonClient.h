#pragma once
// Posting JSON to the application server: one blocking request per call,
// through libcurl, on one kept-alive connection per client (copies share it,
// so a session's calls do not pay a connection each). Transport failures raise EOleSysError (the server cannot
// be reached); every HTTP answer, error statuses included, is returned so
// that the caller can read the server's error body.

#include <memory>
#include <string>

#include <nlohmann/json.hpp>

namespace rt {

struct HttpJsonReply {
    long status = 0;
    nlohmann::json body;  // null when the answer held no JSON
};

class HttpJsonClient {
public:
    // `baseUrl` such as "http://127.0.0.1:8211".
    explicit HttpJsonClient(std::string baseUrl);

    HttpJsonReply Post(const std::string& path, const nlohmann::json& request) const;
    // The same with the request's JSON text as it is.
    HttpJsonReply PostText(const std::string& path, const std::string& payload) const;
    const std::string& BaseUrl() const { return baseUrl_; }

    long TimeoutSeconds() const { return timeoutSeconds_; }
    void SetTimeoutSeconds(long seconds) { timeoutSeconds_ = seconds; }

private:
    struct Connection;

    std::string baseUrl_;
    long timeoutSeconds_ = 300;
    std::shared_ptr<Connection> connection_;
};

}  // namespace rt

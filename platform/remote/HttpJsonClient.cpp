#include "platform/remote/HttpJsonClient.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

#include "platform/automation/BoundedJson.h"
#include "platform/automation/Dispatch.h"
#include "platform/core/Exceptions.h"
#include "platform/remote/CurlSession.h"

namespace rt {

namespace {

constexpr int32_t RPC_E_DISCONNECTED = static_cast<int32_t>(0x80010108);

}  // namespace

// The handle keeps its connection open between calls; one call at a time.
struct HttpJsonClient::Connection {
    std::mutex mutex;
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl{nullptr, curl_easy_cleanup};
};

HttpJsonClient::HttpJsonClient(std::string baseUrl)
    : baseUrl_(std::move(baseUrl)), connection_(std::make_shared<Connection>()) {}

HttpJsonReply HttpJsonClient::Post(const std::string& path, const nlohmann::json& request) const {
    return PostText(path, request.dump());
}

HttpJsonReply HttpJsonClient::PostText(const std::string& path, const std::string& payload) const {
    CurlGlobalInit();
    std::lock_guard<std::mutex> lock(connection_->mutex);
    auto& curl = connection_->curl;
    if (!curl)
        curl.reset(curl_easy_init());
    else
        curl_easy_reset(curl.get());  // options go, the open connection stays
    if (!curl)
        throw EOleSysError("Cannot start an HTTP request", RPC_E_DISCONNECTED);
    std::string url = baseUrl_ + path;
    std::string answer;
    curl_slist* headers = curl_slist_append(nullptr, "Content-Type: application/json");
    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headerList(headers, curl_slist_free_all);
    curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_POST, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_POSTFIELDS, payload.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(payload.size()));
    curl_easy_setopt(curl.get(), CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, CurlAppendToString);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &answer);
    curl_easy_setopt(curl.get(), CURLOPT_CONNECTTIMEOUT, 10L);
    curl_easy_setopt(curl.get(), CURLOPT_TIMEOUT, timeoutSeconds_);
    curl_easy_setopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_NOPROXY, "*");
    curl_easy_setopt(curl.get(), CURLOPT_TCP_NODELAY, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_TCP_KEEPALIVE, 1L);
    CURLcode rc = curl_easy_perform(curl.get());
    if (rc != CURLE_OK)
        throw EOleSysError("Application server " + baseUrl_ + " not reachable: " + curl_easy_strerror(rc),
                           RPC_E_DISCONNECTED);
    HttpJsonReply reply;
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &reply.status);
    try {
        // The answer is decoded further into variants: its depth is bounded like a request's.
        reply.body = ParseBoundedJson(answer);
    } catch (const EConvertError&) {
        reply.body = nullptr;
    }
    return reply;
}

}  // namespace rt

#include "outside/pellwick/TServicePost.h"

#include <curl/curl.h>

#include <memory>
#include <stdexcept>

#include "platform/remote/CurlSession.h"
#include "platform/sysutils/StrUtils.h"

namespace pellwick {

namespace {

struct TAnswer {
    std::string body;
    size_t cap = 0;
    bool overCap = false;
};

// Returning less than offered makes libcurl stop the transfer.
size_t CollectCapped(char* data, size_t size, size_t count, void* target) {
    auto* answer = static_cast<TAnswer*>(target);
    const size_t bytes = size * count;
    if (answer->body.size() + bytes > answer->cap) {
        answer->overCap = true;
        return 0;
    }
    answer->body.append(data, bytes);
    return bytes;
}

void CheckArguments(const std::string& address, const std::string& serviceName) {
    if (!rt::StartsText("http://", address) && !rt::StartsText("https://", address))
        throw std::runtime_error("Not a web address: " + address);
    if (serviceName.empty()) throw std::runtime_error("No service name");
    // The name travels in a header: a line break would add headers of its own.
    if (serviceName.find_first_of("\r\n") != std::string::npos)
        throw std::runtime_error("The service name holds a line break");
}

}  // namespace

std::string TServicePost::Post(const std::string& address, const std::string& serviceName,
                               const std::string& requestText, const TPostLimits& limits) {
    CheckArguments(address, serviceName);
    rt::CurlGlobalInit();
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) throw std::runtime_error("Cannot start an HTTP request");
    curl_slist* headers = nullptr;
    headers = curl_slist_append(headers, "Content-Type: text/xml; charset=UTF-8");
    headers = curl_slist_append(headers, ("X-Service-Name: " + serviceName).c_str());
    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headerList(headers, curl_slist_free_all);
    TAnswer answer;
    answer.cap = limits.maxAnswerBytes;
    char error[CURL_ERROR_SIZE] = {};
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, address.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_POST, 1L);
    curl_easy_setopt(c, CURLOPT_POSTFIELDS, requestText.data());
    curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(requestText.size()));
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, limits.connectSeconds);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, limits.totalSeconds);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, CollectCapped);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &answer);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
    const CURLcode result = curl_easy_perform(c);
    if (answer.overCap)
        throw std::runtime_error("The answer is larger than " + std::to_string(answer.cap) + " bytes");
    if (result != CURLE_OK)
        throw std::runtime_error(error[0] != '\0' ? error : curl_easy_strerror(result));
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status > 299) throw std::runtime_error("HTTP status " + std::to_string(status));
    return std::move(answer.body);
}

}  // namespace pellwick

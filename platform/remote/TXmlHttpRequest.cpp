#include "platform/remote/TXmlHttpRequest.h"

#include <curl/curl.h>

#include <memory>

#include "platform/automation/ComObj.h"
#include "platform/core/Exceptions.h"
#include "platform/remote/CurlSession.h"
#include "platform/sysutils/StrUtils.h"

namespace rt {

namespace {

constexpr int32_t E_FAIL = static_cast<int32_t>(0x80004005);
constexpr int32_t INET_E_CANNOT_CONNECT = static_cast<int32_t>(0x800C0004);
constexpr int kUnsent = 0;
constexpr int kOpened = 1;
constexpr int kDone = 4;

[[noreturn]] void Fail(const std::string& why, int32_t code = E_FAIL) {
    throw EOleException(why, code, kXmlHttpProgId);
}

size_t CollectHeader(char* data, size_t size, size_t count, void* target) {
    static_cast<TXmlHttpRequest*>(target)->AddResponseHeaderLine(std::string(data, size * count));
    return size * count;
}

}  // namespace

TXmlHttpRequest::TXmlHttpRequest() {
    DefineMethod("open", [this](DispatchArgs& a) {
        a.Require(2, 5);
        Open(VarToStr(a[0]), VarToStr(a[1]), a.Count() > 2 && !a[2].IsEmpty() && a[2].ToBool(),
             a.Count() > 3 ? VarToStr(a[3]) : "", a.Count() > 4 ? VarToStr(a[4]) : "");
        return Variant();
    });
    DefineMethod("setRequestHeader", [this](DispatchArgs& a) {
        a.Require(2, 2);
        SetRequestHeader(VarToStr(a[0]), VarToStr(a[1]));
        return Variant();
    });
    DefineMethod("send", [this](DispatchArgs& a) {
        a.Require(0, 1);
        Send(a.Count() > 0 && !a[0].IsEmpty() && !a[0].IsNull() ? VarToStr(a[0]) : "");
        return Variant();
    });
    DefineMethod("getResponseHeader", [this](DispatchArgs& a) {
        a.Require(1, 1);
        return Variant(ResponseHeader(VarToStr(a[0])));
    });
    DefineProperty("readyState", [this](DispatchArgs&) { return Variant(readyState_); });
    DefineProperty("status", [this](DispatchArgs&) { return Variant(static_cast<int32_t>(status_)); });
    DefineProperty("statusText", [this](DispatchArgs&) { return Variant(statusText_); });
    DefineProperty("responseText", [this](DispatchArgs&) { return Variant(responseText_); });
}

void TXmlHttpRequest::Reset() {
    requestHeaders_.clear();
    responseHeaders_.clear();
    status_ = 0;
    statusText_.clear();
    responseText_.clear();
}

void TXmlHttpRequest::Open(const std::string& method, const std::string& url, bool async, const std::string& user,
                           const std::string& password) {
    // Callers wait for the answer on their own thread; nothing here runs a loop to deliver it later.
    if (async) Fail("Asynchronous requests are not supported");
    const std::string verb = UpperCase(Trim(method));
    if (verb.empty()) Fail("The request method is empty");
    if (Trim(url).empty()) Fail("The request address is empty");
    if (!StartsText("http://", url) && !StartsText("https://", url)) Fail("Not a web address: " + url);
    Reset();
    method_ = verb;
    url_ = url;
    user_ = user;
    password_ = password;
    readyState_ = kOpened;
}

void TXmlHttpRequest::SetRequestHeader(const std::string& name, const std::string& value) {
    if (readyState_ != kOpened) Fail("setRequestHeader needs an open request");
    if (Trim(name).empty() || name.find_first_of("\r\n:") != std::string::npos ||
        value.find_first_of("\r\n") != std::string::npos)
        Fail("Invalid request header \"" + name + "\"");
    requestHeaders_.push_back(Trim(name) + ": " + value);
}

void TXmlHttpRequest::AddResponseHeaderLine(const std::string& line) {
    const std::string text = TrimRight(line);
    // A new status line starts a new answer (after a redirect or "100 Continue").
    if (StartsText("HTTP/", text)) {
        responseHeaders_.clear();
        const size_t space = text.find(' ');
        const size_t reason = space == std::string::npos ? std::string::npos : text.find(' ', space + 1);
        statusText_ = reason == std::string::npos ? "" : text.substr(reason + 1);
        return;
    }
    const size_t colon = text.find(':');
    if (colon == std::string::npos) return;
    responseHeaders_.emplace_back(Trim(text.substr(0, colon)), Trim(text.substr(colon + 1)));
}

std::string TXmlHttpRequest::ResponseHeader(const std::string& name) const {
    for (const auto& [key, value] : responseHeaders_)
        if (SameText(key, name)) return value;
    return "";
}

void TXmlHttpRequest::Send(const std::string& body) {
    if (readyState_ != kOpened) Fail("send needs an open request");
    CurlGlobalInit();
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) Fail("Cannot start an HTTP request");
    curl_slist* headers = nullptr;
    for (const std::string& h : requestHeaders_) headers = curl_slist_append(headers, h.c_str());
    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headerList(headers, curl_slist_free_all);
    std::string answer;
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url_.c_str());
    if (method_ == "GET") {
        curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
    } else if (method_ == "HEAD") {
        curl_easy_setopt(c, CURLOPT_NOBODY, 1L);
    } else {
        curl_easy_setopt(c, CURLOPT_CUSTOMREQUEST, method_.c_str());
        curl_easy_setopt(c, CURLOPT_POSTFIELDS, body.c_str());
        curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    }
    if (!user_.empty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, user_.c_str());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password_.c_str());
    }
    if (headers != nullptr) curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, CurlAppendToString);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &answer);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, CollectHeader);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 10L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, timeoutSeconds_);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_NOPROXY, "*");
    const CURLcode rc = curl_easy_perform(c);
    if (rc != CURLE_OK) {
        readyState_ = kUnsent;
        Fail("The address " + url_ + " cannot be reached: " + curl_easy_strerror(rc), INET_E_CANNOT_CONNECT);
    }
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status_);
    responseText_ = std::move(answer);
    readyState_ = kDone;
}

void RegisterXmlHttpRequest() {
    RegisterAutoObjectFactory(kXmlHttpProgId, [] { return std::make_shared<TXmlHttpRequest>(); });
}

}  // namespace rt

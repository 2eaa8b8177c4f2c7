#pragma once
// The XML-HTTP request automation object: one blocking HTTP request per
// send, through libcurl. Only synchronous requests are offered; asking for
// an asynchronous one raises. A transport failure (no server, bad address,
// time-out) raises from send; any HTTP answer, error statuses included,
// completes the request and is readable through status and responseText.
//
//   open(method, url, async[, user, password])   starts a new request; only
//                                                 http and https addresses
//   setRequestHeader(name, value)                 after open, before send
//   send([body])                                   performs the request
//   readyState   0 before open, 1 after open, 4 after a completed send
//   status, statusText, responseText, getResponseHeader(name)

#include <string>
#include <utility>
#include <vector>

#include "platform/automation/Dispatch.h"

namespace rt {

inline constexpr const char* kXmlHttpProgId = "Platform.XMLHTTP";

class TXmlHttpRequest : public TAutoObject {
public:
    TXmlHttpRequest();
    std::string DispatchName() const override { return kXmlHttpProgId; }

    void Open(const std::string& method, const std::string& url, bool async, const std::string& user = "",
              const std::string& password = "");
    void SetRequestHeader(const std::string& name, const std::string& value);
    void Send(const std::string& body = "");

    int ReadyState() const { return readyState_; }
    long Status() const { return status_; }
    const std::string& StatusText() const { return statusText_; }
    const std::string& ResponseText() const { return responseText_; }
    // The first header of that name (without regard to case), "" when absent.
    std::string ResponseHeader(const std::string& name) const;

    long TimeoutSeconds() const { return timeoutSeconds_; }
    void SetTimeoutSeconds(long seconds) { timeoutSeconds_ = seconds; }

    // Collects one header line of an answer (curl's header callback).
    void AddResponseHeaderLine(const std::string& line);

private:
    void Reset();

    std::string method_;
    std::string url_;
    std::string user_;
    std::string password_;
    std::vector<std::string> requestHeaders_;
    std::vector<std::pair<std::string, std::string>> responseHeaders_;
    int readyState_ = 0;
    long status_ = 0;
    std::string statusText_;
    std::string responseText_;
    long timeoutSeconds_ = 60;
};

// Registers the object under kXmlHttpProgId (again, after a test replaced it).
void RegisterXmlHttpRequest();

}  // namespace rt

#pragma once
// A loopback stand-in for an HTTP SMS gateway: every POST to "/sms" with a
// JSON body {"to", "text"} is kept and answered 200. The receiving end of the
// server's notification SMS in tests and in the demo.

#include <memory>
#include <string>
#include <vector>

namespace appserver {

struct ReceivedSms {
    std::string to, text;
};

class SmsGatewayStub {
public:
    // Listens on 127.0.0.1 at a free port; raises rt::EOSError when it cannot.
    SmsGatewayStub();
    ~SmsGatewayStub();
    SmsGatewayStub(const SmsGatewayStub&) = delete;
    SmsGatewayStub& operator=(const SmsGatewayStub&) = delete;

    std::string Address() const;
    std::vector<ReceivedSms> Messages() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace appserver

#pragma once
// One web-service call over HTTP: the request text posted to the address
// with the service name in a header, the answer's body returned.

#include <cstddef>
#include <string>

namespace pellwick {

struct TPostLimits {
    long connectSeconds = 10;
    long totalSeconds = 60;
    size_t maxAnswerBytes = 16u << 20;
};

class TServicePost {
public:
    // Raises std::runtime_error with the reason: a bad address or service
    // name, no connection, a time-out, an answer over the cap, or an HTTP
    // status outside 2xx.
    static std::string Post(const std::string& address, const std::string& serviceName,
                            const std::string& requestText, const TPostLimits& limits = {});
};

}  // namespace pellwick

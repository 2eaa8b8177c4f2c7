#include "platform/remote/CurlSession.h"

#include <curl/curl.h>

#include <mutex>
#include <string>

namespace rt {

void CurlGlobalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t CurlAppendToString(char* data, size_t size, size_t count, void* target) {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

}  // namespace rt

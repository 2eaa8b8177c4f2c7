#include "platform/remote/RemoteCredentials.h"

#include <mutex>

namespace rt {

namespace {

std::mutex& Lock() {
    static std::mutex lock;
    return lock;
}

RemoteCredentials& Current() {
    static RemoteCredentials credentials;
    return credentials;
}

}  // namespace

void SetRemoteCredentials(const RemoteCredentials& credentials) {
    std::lock_guard<std::mutex> guard(Lock());
    Current() = credentials;
}

RemoteCredentials DefaultRemoteCredentials() {
    std::lock_guard<std::mutex> guard(Lock());
    return Current();
}

}  // namespace rt

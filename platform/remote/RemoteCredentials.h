#pragma once
// The user code and password this process logs in to application servers
// with: set once by the program that logged its user in (the client shell),
// taken by every remote connection that was given none of its own.

#include <string>

namespace rt {

struct RemoteCredentials {
    std::string user, password;
};

void SetRemoteCredentials(const RemoteCredentials& credentials);
RemoteCredentials DefaultRemoteCredentials();

}  // namespace rt

#pragma once
// Runs hemr07-appserver on a free loopback port with its own home folder for
// the life of the object; stops it with SIGTERM. The remote connections of
// the test process log in as the demo user 796 (password "demo796").

#include <sys/types.h>

#include <string>

namespace apptest {

class ServerProcess {
public:
    explicit ServerProcess(const std::string& home);
    ~ServerProcess();

    int Port() const { return port_; }
    bool Running() const { return pid_ > 0; }
    // Sends SIGTERM and answers the exit status (-1 when it did not end normally).
    int Stop();

private:
    pid_t pid_ = -1;
    int port_ = 0;
    int output_ = -1;
};

}  // namespace apptest

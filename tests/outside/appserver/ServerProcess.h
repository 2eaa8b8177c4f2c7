#pragma once
// Runs hemr07-appserver on a free loopback port with its own home folder for
// the life of the object; stops it with SIGTERM. The remote connections of
// the test process log in as the demo user 796 (password "demo796").

#include <sys/types.h>

#include <string>
#include <vector>

namespace outside_test {

class ServerProcess {
public:
    // `extra` options follow the home and port options.
    explicit ServerProcess(const std::string& home, const std::vector<std::string>& extra = {});
    ~ServerProcess();

    int Port() const { return port_; }
    // The next line the server prints after its "listening on" line.
    std::string NextLine();
    bool Running() const { return pid_ > 0; }
    // Sends SIGTERM and answers the exit status (-1 when it did not end normally).
    int Stop();

private:
    pid_t pid_ = -1;
    int port_ = 0;
    int output_ = -1;
};

}  // namespace outside_test

#pragma once
// The HTTP side of serving: the page itself, its state (long-polled), its
// input events, its letting go of the forms, the recorded scenario and the
// report files. Binds loopback only and never touches the forms itself:
// everything goes through the page channel.

#include <memory>
#include <string>

#include "outside/host/serve/PageChannel.h"
#include "outside/host/serve/ReportFiles.h"

namespace httplib {
class Server;
}

namespace host::serve {

class FormServer {
public:
    FormServer(PageChannel& channel, const ReportFiles& reports);
    ~FormServer();

    // Binds 127.0.0.1:`port` (any free port for 0); returns the port, raises std::runtime_error.
    int Bind(int port);
    // Serves until Stop; call on a thread of its own.
    void Listen();
    void Stop();

    // How long a state request waits for a change.
    static constexpr int kPollSeconds = 2;

private:
    void Routes();

    PageChannel& channel_;
    const ReportFiles& reports_;
    std::unique_ptr<httplib::Server> server_;
    int port_ = 0;
};

}  // namespace host::serve

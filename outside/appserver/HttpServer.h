#pragma once
// The application server's HTTP front: the broker's three addresses as POST
// routes on one address and port.

#include <functional>
#include <memory>
#include <string>

namespace appserver {

class ObjectBroker;

class HttpServer {
public:
    static constexpr int kReadTimeoutSeconds = 5;
    static constexpr size_t kWorkers = 64;
    // One address holds at most half the workers; further connections of it
    // are closed on arrival.
    static constexpr int kConnectionsPerPeer = 32;

    explicit HttpServer(ObjectBroker& broker);
    ~HttpServer();

    // Answers GET `prefix` + NAME with the file `fileFor`(NAME) names, 404
    // when it names none. Call before Run.
    void ServeFiles(const std::string& prefix, std::function<std::string(const std::string& name)> fileFor);

    // Binds `host`:`port` (0 = a free port); answers the bound port, raises
    // rt::EOSError when the address cannot be bound.
    int Bind(const std::string& host, int port);
    // Serves until Stop; returns false when serving failed.
    bool Run();
    // Safe from any thread, also before Run.
    void Stop();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace appserver

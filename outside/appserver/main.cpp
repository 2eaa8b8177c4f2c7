// hemr07-appserver --home DIR [--port N] [--bind ADDR] [--portal N]
// Serves the session and report-counter objects over HTTP; loopback only
// unless --bind names another address. Prints "listening on ADDR:PORT" once
// bound (port 0 = a free port), stops on SIGTERM or SIGINT. --portal also
// serves the company portal's web service on loopback port N (0 = a free
// port) and prints "portal on ADDRESS", the address for "Portal WS".

#include <pthread.h>
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

#include "outside/appserver/HttpServer.h"
#include "outside/appserver/ObjectBroker.h"
#include "outside/appserver/ServerObjects.h"
#include "outside/portal/TPortalServer.h"
#include "platform/core/Exceptions.h"

namespace {

struct Options {
    std::string home;
    std::string bind = "127.0.0.1";
    int port = 8211;
    int portalPort = -1;  // -1: no portal service
};

[[noreturn]] void Usage(const std::string& why) {
    std::cerr << "hemr07-appserver: " << why << "\nusage: hemr07-appserver --home DIR [--port N] [--bind ADDR] [--portal N]\n";
    std::exit(2);
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (i + 1 >= argc)
            Usage("missing value after " + arg);
        std::string value = argv[++i];
        if (arg == "--home") {
            options.home = value;
        } else if (arg == "--bind") {
            options.bind = value;
        } else if (arg == "--port" || arg == "--portal") {
            char* end = nullptr;
            long port = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end || port < 0 || port > 65535)
                Usage("bad port " + value);
            (arg == "--port" ? options.port : options.portalPort) = static_cast<int>(port);
        } else {
            Usage("unknown option " + arg);
        }
    }
    if (options.home.empty())
        Usage("--home is required");
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    Options options = ParseOptions(argc, argv);
    // The stop signals are taken by one watcher thread; every other thread
    // (the HTTP workers included) inherits the blocked mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    try {
        appserver::ServerStore::Open(options.home);  // create and seed before the first client
        std::string home = options.home;
        appserver::ObjectBroker broker([home](const std::string& progId) -> rt::DispatchPtr {
            if (!appserver::IsServerProgId(progId))
                return nullptr;
            return rt::DispatchPtr(appserver::CreateServerObject(progId, appserver::ServerStore::Open(home)));
        });
        appserver::HttpServer server(broker);
        int port = server.Bind(options.bind, options.port);
        std::cout << "listening on " << options.bind << ":" << port << std::endl;
        std::optional<portal::TPortalServer> portalServer;
        if (options.portalPort >= 0) {
            portalServer.emplace(portal::TPortalDirectory{}, portal::TPortalOptions{options.portalPort});
            portalServer->Start();
            std::cout << "portal on " << portalServer->Address() << std::endl;
        }
        std::thread watcher([&] {
            int signal = 0;
            sigwait(&stopSignals, &signal);
            server.Stop();
        });
        bool served = server.Run();
        pthread_kill(watcher.native_handle(), SIGTERM);  // ends the watcher if serving ended by itself
        watcher.join();
        std::cout << "stopped" << std::endl;
        return served ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "hemr07-appserver: " << e.what() << "\n";
        return 1;
    }
}

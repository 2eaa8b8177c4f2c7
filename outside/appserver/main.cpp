// hemr07-appserver --home DIR [--port N] [--bind ADDR] [--demo-sinks] [--portal N]
// Serves the session and report-counter objects over HTTP; loopback only
// unless --bind names another address. Prints "listening on ADDR:PORT" once
// bound (port 0 = a free port), stops on SIGTERM or SIGINT. Every caller logs
// in with a user code and password (UserLogins.h); an address beyond loopback
// is served with a warning, as the traffic is not encrypted. The job runner
// runs beside it; --demo-sinks starts the loopback SMTP sink and SMS gateway
// stand-in and names them in the settings. --portal also serves the company
// portal's web service on loopback port N (0 = a free port) and prints
// "portal on ADDRESS", the address for "Portal WS". The job commands
// (run-due, jobs, inbox, cancel) are RunnerCommands.h.

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "outside/appserver/HttpServer.h"
#include "outside/appserver/LibraryPublisher.h"
#include "outside/appserver/ObjectBroker.h"
#include "outside/appserver/RunnerCommands.h"
#include "outside/appserver/ServerObjects.h"
#include "outside/appserver/UserLogins.h"
#include "outside/hemr07s/IntakeCheck.h"
#include "outside/portal/TPortalServer.h"
#include "platform/core/Exceptions.h"

namespace {

constexpr int kRunnerPeriodSeconds = 15;

struct Options {
    std::string home;
    std::string bind = "127.0.0.1";
    int port = 8211;
    bool demoSinks = false;
    int portalPort = -1;  // -1: no portal service
};

[[noreturn]] void Usage(const std::string& why) {
    std::cerr << "hemr07-appserver: " << why
              << "\nusage: hemr07-appserver --home DIR [--port N] [--bind ADDR] [--demo-sinks] [--portal N]\n";
    std::exit(2);
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--demo-sinks") {
            options.demoSinks = true;
            continue;
        }
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

// The address clients fetch the published libraries from; a server bound to
// every interface is named by its host name.
std::string PackageAddress(const std::string& bind, int port) {
    std::string host = bind;
    if (bind == "0.0.0.0" || bind == "::") {
        char name[256] = {};
        host = gethostname(name, sizeof name - 1) == 0 ? name : "localhost";
    }
    if (host.find(':') != std::string::npos)
        host = "[" + host + "]";
    return "http://" + host + ":" + std::to_string(port) + appserver::LibraryPublisher::kRoute;
}

bool IsLoopback(const std::string& bind) {
    return bind == "localhost" || bind == "::1" || bind.rfind("127.", 0) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (appserver::IsRunnerCommand(argc, argv))
        return appserver::RunRunnerCommand(argc, argv);
    Options options = ParseOptions(argc, argv);
    hemr07s::RegisterIntakeCheck();
    // The stop signals are taken by one watcher thread; every other thread
    // (the HTTP workers included) inherits the blocked mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    try {
        auto store = appserver::ServerStore::Open(options.home);  // create and seed before the first client
        std::string home = options.home;
        setenv("NVR_SERVER_HOME", store->Home().c_str(), 1);  // where the server libraries keep their reports
        std::unique_ptr<appserver::DemoSinks> sinks =
            options.demoSinks ? std::make_unique<appserver::DemoSinks>(store) : nullptr;
        appserver::RunnerLoop runner(home, kRunnerPeriodSeconds);
        // Known once the port is bound, before the first request.
        std::string packageAddress;
        appserver::ObjectBroker broker(
            [home, &packageAddress](const std::string& progId,
                                    const appserver::ObjectBroker::Caller& caller) -> rt::DispatchPtr {
                if (!appserver::IsServerProgId(progId))
                    return nullptr;
                auto sessionStore = appserver::ServerStore::Open(home);
                sessionStore->SetCaller(caller.user, caller.company);
                return rt::DispatchPtr(appserver::CreateServerObject(progId, sessionStore, packageAddress));
            },
            [home](const std::string& user, const std::string& password) {
                return appserver::UserLogins(appserver::ServerStore::Open(home)->Db()).Check(user, password);
            });
        appserver::HttpServer server(broker);
        server.ServeFiles(appserver::LibraryPublisher::kRoute, [home, &packageAddress](const std::string& name) {
            return appserver::LibraryPublisher(home, packageAddress).PublishedFile(name);
        });
        int port = server.Bind(options.bind, options.port);
        packageAddress = PackageAddress(options.bind, port);
        if (!IsLoopback(options.bind))
            std::cerr << "hemr07-appserver: warning: serving beyond loopback on " << options.bind
                      << "; every caller must log in, and calls travel unencrypted\n";
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
        runner.Stop();
        pthread_kill(watcher.native_handle(), SIGTERM);  // ends the watcher if serving ended by itself
        watcher.join();
        std::cout << "stopped" << std::endl;
        return served ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "hemr07-appserver: " << e.what() << "\n";
        return 1;
    }
}

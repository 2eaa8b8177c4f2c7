// Loopback load: 8 clients submit 2,000 jobs each through the network server
// (login, then Request after Request on the session's kept-alive connection),
// side by side with 8 threads submitting as many in-process on objects of the
// same kind. One iteration each, so the count is bounded; the run fails when
// a job is lost or an identifier repeats. Counter "jobs_per_second" compares.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <set>
#include <thread>
#include <vector>

#include "outside/appserver/HttpServer.h"
#include "outside/appserver/ObjectBroker.h"
#include "outside/appserver/ServerObjects.h"
#include "outside/appserver/ServerStore.h"
#include "outside/appserver/UserLogins.h"
#include "platform/remote/TRemoteConnection.h"

namespace {

constexpr int kClients = 8;
constexpr int kJobsPerClient = 2000;

rt::Variant LoadJob(int client) {
    rt::Variant env = rt::Variant::CreateArray({{1, 14}});
    for (int i = 1; i <= 14; ++i) env[i] = std::to_string(i);
    env[1] = "LOADTEST";
    env[5] = "796";
    env[10] = 0;
    rt::Variant captions = rt::Variant::ArrayOf({rt::Variant::ArrayOf({"client", "ed01"})});
    rt::Variant values = rt::Variant::ArrayOf({client});
    return rt::Variant::ArrayOf({env, captions, values});
}

std::string FreshHome(const std::string& name) {
    std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::filesystem::remove_all(path);
    return path;
}

// Runs kClients submitters side by side, each on the counter `open` gives it;
// answers every identifier they were given.
std::vector<std::string> Submit(const std::function<rt::Variant(int client)>& open) {
    std::vector<std::vector<std::string>> ids(kClients);
    std::vector<std::thread> clients;
    for (int c = 0; c < kClients; ++c)
        clients.emplace_back([&, c] {
            rt::Variant counter = open(c);
            const rt::Variant job = LoadJob(c);
            for (int i = 0; i < kJobsPerClient; ++i) ids[c].push_back(counter.Call("Request", {job}).ToString());
        });
    for (std::thread& t : clients) t.join();
    std::vector<std::string> all;
    for (const auto& some : ids) all.insert(all.end(), some.begin(), some.end());
    return all;
}

void Check(benchmark::State& state, const std::vector<std::string>& ids, const appserver::StorePtr& store) {
    std::set<std::string> distinct(ids.begin(), ids.end());
    appserver::SqliteStatement count = store->Db().Prepare("SELECT COUNT(*) FROM JOBS");
    count.Step();
    if (distinct.count("ERROR") || distinct.size() != ids.size() || count.Int(0) != kClients * kJobsPerClient)
        state.SkipWithError("a job was refused or lost, or an identifier repeats");
    state.counters["jobs"] = static_cast<double>(count.Int(0));
    state.counters["jobs_per_second"] = benchmark::Counter(static_cast<double>(ids.size()), benchmark::Counter::kIsRate);
}

void BM_IntakeInProcess8x2000(benchmark::State& state) {
    const std::string home = FreshHome("hemr-bench-load-local");
    auto store = appserver::ServerStore::Open(home);
    for (auto _ : state) {
        std::vector<std::string> ids = Submit([&](int) {
            return rt::Variant(rt::DispatchPtr(
                appserver::CreateServerObject(appserver::kReportCounterProgId, appserver::ServerStore::Open(home))));
        });
        Check(state, ids, store);
    }
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_IntakeInProcess8x2000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_IntakeOverLoopback8x2000(benchmark::State& state) {
    const std::string home = FreshHome("hemr-bench-load-http");
    auto store = appserver::ServerStore::Open(home);
    appserver::ObjectBroker broker(
        [home](const std::string& progId, const appserver::ObjectBroker::Caller& caller) -> rt::DispatchPtr {
            auto sessionStore = appserver::ServerStore::Open(home);
            sessionStore->SetCaller(caller.user, caller.company);
            return rt::DispatchPtr(appserver::CreateServerObject(progId, sessionStore));
        },
        [home](const std::string& user, const std::string& password) {
            return appserver::UserLogins(appserver::ServerStore::Open(home)->Db()).Check(user, password);
        });
    appserver::HttpServer server(broker);
    const int port = server.Bind("127.0.0.1", 0);
    std::thread serving([&server] { server.Run(); });
    std::vector<std::unique_ptr<rt::TRemoteConnection>> connections(kClients);
    for (auto _ : state) {
        std::vector<std::string> ids = Submit([&](int c) {
            connections[c] = std::make_unique<rt::TRemoteConnection>();
            connections[c]->SetAddress("localhost");
            connections[c]->SetPort(port);
            connections[c]->SetServerName(appserver::kReportCounterProgId);
            connections[c]->SetCredentials({"796", "demo796"});
            connections[c]->Open();
            return connections[c]->AppServer();
        });
        Check(state, ids, store);
    }
    connections.clear();
    server.Stop();
    serving.join();
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_IntakeOverLoopback8x2000)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

// The job runner's look for due work among 0 and 100,000 planned periodic
// jobs (none due, so every look is a miss the index must answer), and one
// call on the report-counter object over HTTP on the session's kept-alive
// connection side by side with the same call in-process.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <thread>

#include "outside/appserver/HttpServer.h"
#include "outside/appserver/JobSchedule.h"
#include "outside/appserver/ObjectBroker.h"
#include "outside/appserver/RunStore.h"
#include "outside/appserver/ServerObjects.h"
#include "outside/appserver/ServerStore.h"
#include "platform/remote/TRemoteConnection.h"
#include "platform/sysutils/DateTime.h"

namespace {

std::string FreshHome(const std::string& name) {
    std::string path = (std::filesystem::temp_directory_path() / name).string();
    std::filesystem::remove_all(path);
    return path;
}

void BM_FindDueAmongPlannedJobs(benchmark::State& state) {
    std::string home = FreshHome("hemr-bench-due");
    appserver::StorePtr store = appserver::ServerStore::Open(home);
    {
        appserver::SqliteTransaction tx(store->Db());
        appserver::RunStore runs(store);
        appserver::SqliteStatement job = store->Db().Prepare(
            "INSERT INTO JOBS (JOB_ID, PROGRAMME, CREATOR, COMPANY, COMPUTER, SUBMITTED, STATUS, LAST_ERROR, "
            "STATUS_TIME, CONDITIONS) VALUES (?, 'HEMR07', 'DS', '01', '', '', 'QUEUED', '', '', '[]')");
        for (int i = 0; i < state.range(0); ++i) {
            job.Bind(1, "J" + std::to_string(i)).Run();
            job.Reset();
            runs.Plan("J" + std::to_string(i), 3, rt::EncodeDate(2030, 1, 1) + i / 1440.0);
        }
        tx.Commit();
    }
    appserver::RunStore runs(store);
    rt::TDateTime now = rt::EncodeDate(2029, 12, 31);
    for (auto _ : state)
        if (runs.Claim(now, "bench:1", now + 1))
            state.SkipWithError("nothing should be due");
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_FindDueAmongPlannedJobs)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_CallInProcess(benchmark::State& state) {
    std::string home = FreshHome("hemr-bench-call-local");
    rt::Variant counter{rt::DispatchPtr(
        appserver::CreateServerObject(appserver::kReportCounterProgId, appserver::ServerStore::Open(home)))};
    for (auto _ : state)
        benchmark::DoNotOptimize(counter.Get("SQLType"));
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_CallInProcess)->Unit(benchmark::kMicrosecond);

void BM_CallOverHttpKeptAlive(benchmark::State& state) {
    std::string home = FreshHome("hemr-bench-call-http");
    appserver::ServerStore::Open(home);
    appserver::ObjectBroker broker([home](const std::string& progId, const appserver::ObjectBroker::Caller&) -> rt::DispatchPtr {
        if (!appserver::IsServerProgId(progId))
            return nullptr;
        return rt::DispatchPtr(appserver::CreateServerObject(progId, appserver::ServerStore::Open(home)));
    });
    appserver::HttpServer server(broker);
    int port = server.Bind("127.0.0.1", 0);
    std::thread serving([&server] { server.Run(); });
    {
        rt::TRemoteConnection connection;
        connection.SetAddress("localhost");
        connection.SetPort(port);
        connection.SetServerName(appserver::kReportCounterProgId);
        connection.SetConnected(true);
        rt::Variant counter = connection.AppServer();
        for (auto _ : state)
            benchmark::DoNotOptimize(counter.Get("SQLType"));
        connection.Close();
    }
    server.Stop();
    serving.join();
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_CallOverHttpKeptAlive)->Unit(benchmark::kMicrosecond);

}  // namespace

// The Cancel scenario through the client shell (open the form, read its
// caption, cancel) on an empty home against a home whose server holds 10,000
// jobs and 30,000 report files: what the shell does around the scenario
// must not grow with what the server has kept.

#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "outside/appserver/ServerStore.h"
#include "platform/automation/VariantJson.h"
#include "platform/os/DynLib.h"
#include "platform/os/Paths.h"

namespace {

std::string BinFolder() { return rt::ExtractFileDir(rt::GetModuleFileName(0)); }

int RunHost(const std::string& home, const std::string& scenario) {
    std::string host = BinFolder() + "/hemr07-host";
    pid_t pid = fork();
    if (pid == 0) {
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        execl(host.c_str(), host.c_str(), "run", "--home", home.c_str(), scenario.c_str(), nullptr);
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A home the shell has set up once, then filled with `jobs` stored jobs and
// `files` report files.
struct FilledHome {
    FilledHome(int jobs, int files) {
        path = (std::filesystem::temp_directory_path() / ("hemr-bench-cancel-" + std::to_string(jobs))).string();
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
        scenario = path + "/cancel.json";
        std::ofstream(scenario) << R"({"params": ["796", "KWTest60", "KWTest60", 0, ""], "steps": [)"
                                << R"({"get": {"control": "frmHemr07", "property": "Caption"}}, {"click": "btnCancel"}]})";
        RunHost(path + "/home", scenario);
        appserver::StorePtr store = appserver::ServerStore::Open(path + "/home/server");
        appserver::SqliteTransaction tx(store->Db());
        appserver::SqliteStatement insert = store->Db().Prepare(
            "INSERT INTO JOBS (JOB_ID, PROGRAMME, CREATOR, COMPANY, COMPUTER, SUBMITTED, STATUS, LAST_ERROR, STATUS_TIME, "
            "CONDITIONS) VALUES (?, 'HEMR07', 'DS', '01', '', '2026-03-01 08:00:00.000', 'DONE', '', '', ?)");
        std::string json = rt::VariantToJson(rt::Variant::ArrayOf({rt::Variant::ArrayOf({"HEMR07"}), 1, 2})).dump();
        for (int i = 1; i <= jobs; ++i) {
            insert.Bind(1, "20260301" + std::to_string(100000 + i)).Bind(2, json).Run();
            insert.Reset();
        }
        tx.Commit();
        std::string reports = path + "/home/server/Report/";
        std::filesystem::create_directories(reports);
        for (int i = 0; i < files; ++i)
            std::ofstream(reports + "R" + std::to_string(i) + ".txt") << "report";
    }
    ~FilledHome() { std::filesystem::remove_all(path); }
    std::string path, scenario;
};

void BM_CancelScenario(benchmark::State& state) {
    FilledHome home(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state)
        if (RunHost(home.path + "/home", home.scenario) != 0)
            state.SkipWithError("the Cancel scenario failed");
}
BENCHMARK(BM_CancelScenario)->Args({0, 0})->Args({10000, 30000})->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

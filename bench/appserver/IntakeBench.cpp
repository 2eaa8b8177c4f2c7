// Intake side by side: Request in-process against a raw SQLite insert of the
// same row (the job with its plan and first run) with the same durability
// (the server's WAL connection, one transaction per job), with 0 and 100,000
// jobs stored, and Requests that are each the first job of their day (the
// day's last number found by a range on the key coming up empty). Each
// Request must answer a job identifier.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "outside/appserver/ServerObjects.h"
#include "outside/appserver/ServerStore.h"
#include "platform/automation/VariantJson.h"
#include "platform/codepage/CodePages.h"
#include "platform/sysutils/Clock.h"
#include "platform/sysutils/DateTime.h"

namespace {

rt::Variant Text936(const char* text) { return rt::Variant::Bytes(rt::WideToCodePage(text, 936), 936); }

rt::Variant Conditions() {
    rt::Variant env = rt::Variant::CreateArray({{1, 14}});
    for (int i = 1; i <= 14; ++i)
        env[i] = i == 1 ? rt::Variant("HEMR07") : rt::Variant(std::to_string(i));
    env[10] = 0;
    rt::Variant captions = rt::Variant::CreateArray({{1, 16}});
    rt::Variant values = rt::Variant::CreateArray({{1, 16}});
    for (int i = 1; i <= 16; ++i) {
        captions[i] = rt::Variant::ArrayOf({Text936("        __至__岁"), rt::Variant("ed" + std::to_string(i))});
        values[i] = rt::Variant::ArrayOf({Text936("20"), Text936("30")});
    }
    return rt::Variant::ArrayOf({env, captions, values});
}

const rt::TDateTime kDay = rt::EncodeDate(2026, 3, 2);

// A job identifier: the day and a number of at least six digits.
bool IsJobId(const std::string& answer) {
    return answer.size() >= 14 && answer.find_first_not_of("0123456789") == std::string::npos;
}

// A fresh server folder holding `count` jobs of the day `kDay`.
struct Home {
    explicit Home(int count) {
        path = (std::filesystem::temp_directory_path() / ("hemr-bench-intake-" + std::to_string(count))).string();
        std::filesystem::remove_all(path);
        store = appserver::ServerStore::Open(path);
        std::string json = rt::VariantToJson(Conditions()).dump();
        appserver::SqliteTransaction tx(store->Db());
        appserver::SqliteStatement insert = store->Db().Prepare(
            "INSERT INTO JOBS (JOB_ID, PROGRAMME, CREATOR, COMPANY, COMPUTER, SUBMITTED, STATUS, LAST_ERROR, STATUS_TIME, "
            "CONDITIONS) VALUES (?, 'HEMR07', 'DS', '01', '', '2026-03-02 08:00:00.000', 'QUEUED', '', '', ?)");
        for (int i = 1; i <= count; ++i) {
            char id[32];
            std::snprintf(id, sizeof id, "20260302%06d", i);
            insert.Bind(1, std::string(id)).Bind(2, json).Run();
            insert.Reset();
        }
        tx.Commit();
    }
    ~Home() { std::filesystem::remove_all(path); }
    std::string path;
    appserver::StorePtr store;
};

void BM_RequestInProcess(benchmark::State& state) {
    Home home(static_cast<int>(state.range(0)));
    rt::Variant server{rt::DispatchPtr(appserver::CreateServerObject(appserver::kReportCounterProgId, home.store))};
    rt::Variant conditions = Conditions();
    rt::SetClockOverride(kDay + 0.5);
    for (auto _ : state)
        if (!IsJobId(server.Call("Request", {conditions}).ToString()))
            state.SkipWithError("Request answered no job identifier");
    rt::SetClockOverride(std::nullopt);
}
BENCHMARK(BM_RequestInProcess)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The row a Request stores for a job, as a plain statement in one
// transaction on the server's connection.
void BM_RawSqliteInsert(benchmark::State& state) {
    Home home(static_cast<int>(state.range(0)));
    std::string json = rt::VariantToJson(Conditions()).dump();
    appserver::SqliteDb& db = home.store->Db();
    int64_t n = 900000;
    for (auto _ : state) {
        const std::string id = "20260302" + std::to_string(++n);
        appserver::SqliteTransaction tx(db);
        db.Prepare("INSERT INTO JOBS (JOB_ID, PROGRAMME, CREATOR, COMPANY, COMPUTER, SUBMITTED, STATUS, LAST_ERROR, "
                   "STATUS_TIME, CONDITIONS, SERVER_PROCESS, PLAN_MODE, PLAN_STATE, NEXT_RUN) VALUES (?, 'HEMR07', "
                   "'DS', '01', '', '2026-03-02 12:00:00.000', 'QUEUED', '', '', ?, 'bench', 0, 'ACTIVE', "
                   "'2026-03-02 12:00:00.000')")
            .Bind(1, id)
            .Bind(2, json)
            .Run();
        tx.Commit();
    }
}
BENCHMARK(BM_RawSqliteInsert)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

// Every Request is the first of its day: the clock moves on a day before each.
void BM_RequestFirstOfDay(benchmark::State& state) {
    Home home(static_cast<int>(state.range(0)));
    rt::Variant server{rt::DispatchPtr(appserver::CreateServerObject(appserver::kReportCounterProgId, home.store))};
    rt::Variant conditions = Conditions();
    int day = 0;
    for (auto _ : state) {
        rt::SetClockOverride(kDay + ++day + 0.5);
        if (!IsJobId(server.Call("Request", {conditions}).ToString()))
            state.SkipWithError("Request answered no job identifier");
    }
    rt::SetClockOverride(std::nullopt);
}
BENCHMARK(BM_RequestFirstOfDay)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

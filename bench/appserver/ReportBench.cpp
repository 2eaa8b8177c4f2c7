// The HEMR07 report run on the server's database against one SQL statement
// counting the same brackets, over 10,000 and 100,000 employees (and
// 1,000,000 when HEMR_BENCH_MILLION is set). Peak memory is the process's
// high-water mark after the run, in MiB: it must not grow with the staff.

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>

#include "outside/appserver/ServerStore.h"
#include "outside/hemr07s/AgeReport.h"
#include "outside/hemr07s/SvrRunArguments.h"
#include "platform/codepage/CodePages.h"

namespace {

rt::Variant Text936(const std::string& text) { return rt::Variant::Bytes(rt::WideToCodePage(text, 936), 936); }

rt::Variant Values() {
    rt::Variant v = rt::Variant::CreateArray({{1, 16}});
    v[1] = rt::Variant::ArrayOf({"\x04", Text936(""), Text936("")});
    v[2] = rt::Variant::ArrayOf({"\x04", Text936(""), Text936("")});
    v[3] = Text936("20240630");
    v[4] = Text936("25");
    const char* bounds[] = {"25", "30", "35", "40", "45", "50", "55", "60"};
    for (int i = 0; i < 7; ++i)
        v[5 + i] = rt::Variant::ArrayOf({Text936(bounds[i]), Text936(bounds[i + 1])});
    v[12] = Text936("60");
    v[13] = rt::Variant::ArrayOf({Text936(""), false, Text936(""), Text936(""), Text936(""), Text936("")});
    v[14] = rt::Variant::ArrayOf({Text936(""), false, Text936(""), Text936(""), Text936(""), Text936("")});
    v[15] = rt::Variant::ArrayOf({1, Text936("YYYY/MM/DD")});
    v[16] = Text936("20240701");
    return v;
}

struct StaffHome {
    explicit StaffHome(int64_t count) {
        path = (std::filesystem::temp_directory_path() / ("hemr-bench-staff-" + std::to_string(count))).string();
        std::filesystem::remove_all(path);
        store = appserver::ServerStore::Open(path);
        appserver::SqliteTransaction tx(store->Db());
        store->Db().Exec("DELETE FROM EMPLOYEE");
        appserver::SqliteStatement insert =
            store->Db().Prepare("INSERT INTO EMPLOYEE VALUES (?, 'N', ?, ?, ?, ?, '20000101', ?)");
        for (int64_t i = 0; i < count; ++i) {
            char birthday[16];
            std::snprintf(birthday, sizeof birthday, "%04d%02d%02d", 1950 + static_cast<int>(i % 50),
                          1 + static_cast<int>(i % 12), 1 + static_cast<int>(i % 28));
            insert.Bind(1, "E" + std::to_string(i))
                .Bind(2, i % 3 ? "01" : "02")
                .Bind(3, "D" + std::to_string(i % 7))
                .Bind(4, std::string(birthday))
                .Bind(5, i % 2 ? "M" : "F")
                .Bind(6, i % 10 ? "" : "20200101")
                .Run();
            insert.Reset();
        }
        tx.Commit();
        setenv("NVR_SERVER_HOME", path.c_str(), 1);
    }
    ~StaffHome() { std::filesystem::remove_all(path); }
    std::string path;
    appserver::StorePtr store;
};

double PeakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Arg(10000)->Arg(100000);
    if (std::getenv("HEMR_BENCH_MILLION"))
        b->Arg(1000000);
    b->Unit(benchmark::kMillisecond);
}

void BM_AgeReportRun(benchmark::State& state) {
    StaffHome home(state.range(0));
    hemr07s::SvrRunArguments arguments =
        hemr07s::SvrRunArguments::Parse(rt::Variant::ArrayOf({"BENCH01", "", "01", "DS", "DEMO", Values(), 1, "R",
                                                              "BENCH0001", 3, true, "936"}));
    for (auto _ : state)
        benchmark::DoNotOptimize(hemr07s::AgeReport(home.store).Run(arguments));
    state.counters["peak_MiB"] = PeakMiB();
}
BENCHMARK(BM_AgeReportRun)->Apply(Sizes);

// The same brackets counted by SQLite alone.
void BM_OneSqlStatement(benchmark::State& state) {
    StaffHome home(state.range(0));
    const char* sql =
        "SELECT CASE WHEN age < 25 THEN 0 WHEN age >= 60 THEN 8 ELSE 1 + (age - 25) / 5 END AS bracket, "
        "COUNT(*), SUM(GENDER = 'M'), SUM(GENDER = 'F') FROM (SELECT GENDER, "
        "CAST(substr(?1, 1, 4) AS INTEGER) - CAST(substr(BIRTHDAY, 1, 4) AS INTEGER) "
        "- (substr(?1, 5) < substr(BIRTHDAY, 5)) AS age FROM EMPLOYEE WHERE BIRTHDAY <= ?1 "
        "AND (HIRE_DATE = '' OR HIRE_DATE <= ?1) AND (LEAVE_DATE = '' OR LEAVE_DATE > ?1)) GROUP BY bracket";
    for (auto _ : state) {
        appserver::SqliteStatement q = home.store->Db().Prepare(sql);
        q.Bind(1, std::string("20240630"));
        int64_t rows = 0;
        while (q.Step())
            rows += q.Int(1);
        benchmark::DoNotOptimize(rows);
    }
    state.counters["peak_MiB"] = PeakMiB();
}
BENCHMARK(BM_OneSqlStatement)->Apply(Sizes);

}  // namespace

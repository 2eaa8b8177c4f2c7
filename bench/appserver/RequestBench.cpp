// Submitting a job in-process: the check, the lossless JSON form and the
// transaction of one Request with a condition array of the report's size.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "outside/appserver/ServerObjects.h"
#include "platform/codepage/CodePages.h"

namespace {

rt::Variant Text936(const char* text) { return rt::Variant::Bytes(rt::WideToCodePage(text, 936), 936); }

rt::Variant Conditions() {
    rt::Variant env = rt::Variant::CreateArray({{1, 14}});
    for (int i = 1; i <= 14; ++i)
        env[i] = i == 1 ? rt::Variant("HEMR07") : rt::Variant(std::to_string(i));
    rt::Variant captions = rt::Variant::CreateArray({{1, 16}});
    rt::Variant values = rt::Variant::CreateArray({{1, 16}});
    for (int i = 1; i <= 16; ++i) {
        captions[i] = rt::Variant::ArrayOf({Text936("        __至__岁"), rt::Variant("ed" + std::to_string(i))});
        values[i] = rt::Variant::ArrayOf({Text936("20"), Text936("30")});
    }
    return rt::Variant::ArrayOf({env, captions, values});
}

void BM_RequestInProcess(benchmark::State& state) {
    std::string home = (std::filesystem::temp_directory_path() / "hemr-bench-request").string();
    std::filesystem::remove_all(home);
    auto counter = appserver::CreateServerObject(appserver::kReportCounterProgId, appserver::ServerStore::Open(home));
    rt::Variant server{rt::DispatchPtr(std::move(counter))};
    rt::Variant conditions = Conditions();
    for (auto _ : state)
        benchmark::DoNotOptimize(server.Call("Request", {conditions}));
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_RequestInProcess)->Unit(benchmark::kMicrosecond);

}  // namespace

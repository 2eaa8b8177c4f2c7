// Cost of the formatting calls every log line and condition row makes.

#include <benchmark/benchmark.h>

#include "platform/sysutils/DateFormat.h"
#include "platform/sysutils/FloatConv.h"
#include "platform/sysutils/Format.h"

namespace {

const double kMoment = rt::EncodeDateTime(2005, 3, 1, 13, 45, 1, 7);

void BM_FormatDateTimeLogStamp(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(rt::FormatDateTime("YYYY/MM/DD hh:nn:ss:zzz", kMoment));
}
BENCHMARK(BM_FormatDateTimeLogStamp);

void BM_FormatDateTimeCompact(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(rt::FormatDateTime("yyyymmdd", kMoment));
}
BENCHMARK(BM_FormatDateTimeCompact);

void BM_DateTimeToStr(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(rt::DateTimeToStr(kMoment));
}
BENCHMARK(BM_DateTimeToStr);

void BM_FormatDateLayout(benchmark::State& state) {
    std::string sep = "/";
    for (auto _ : state) benchmark::DoNotOptimize(rt::Format("%.4d%s%.2d%s%.2d", {2005, sep, 3, sep, 1}));
}
BENCHMARK(BM_FormatDateLayout);

void BM_FormatMixed(benchmark::State& state) {
    std::string name = "ed03";
    for (auto _ : state)
        benchmark::DoNotOptimize(rt::Format("%-10s|%5d|%.2f|%x", {name, 12345, 3.14159, 255}));
}
BENCHMARK(BM_FormatMixed);

void BM_FloatToStr(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(rt::FloatToStr(1234.5678));
}
BENCHMARK(BM_FloatToStr);

void BM_StrToDateTime(benchmark::State& state) {
    std::string text = "2005/03/01 13:45:01";
    for (auto _ : state) benchmark::DoNotOptimize(rt::StrToDateTime(text));
}
BENCHMARK(BM_StrToDateTime);

}  // namespace

// FormatMaskText runs once per drawn grid cell with a mask and once per date
// field shown, so it must stay cheap even though it parses the mask each time.

#include "platform/mask/MaskFunctions.h"
#include "platform/mask/TEditMask.h"
#include "platform/mask/TMaskEditor.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_FormatMaskTextSavedLiterals(benchmark::State& state) {
    const std::string mask = "9999/99/99;1; ";
    const std::string value = "2005/3/7";
    for (auto _ : state) benchmark::DoNotOptimize(rt::FormatMaskText(mask, value));
}
BENCHMARK(BM_FormatMaskTextSavedLiterals);

void BM_FormatMaskTextPlainValue(benchmark::State& state) {
    const std::string mask = "9999/99/99;0;_";
    const std::string value = "20050307";
    for (auto _ : state) benchmark::DoNotOptimize(rt::FormatMaskText(mask, value));
}
BENCHMARK(BM_FormatMaskTextPlainValue);

void BM_FormatParsedMask(benchmark::State& state) {
    const rt::TEditMask mask("!9999/99/99;1; ");
    const std::u32string value = U"2005/3/7";
    for (auto _ : state) benchmark::DoNotOptimize(mask.FormatText(value, U' '));
}
BENCHMARK(BM_FormatParsedMask);

void BM_TypeDate(benchmark::State& state) {
    for (auto _ : state) {
        rt::TMaskEditor editor("9999/99/99;1; ");
        editor.TypeText("2005/3/7");
        benchmark::DoNotOptimize(editor.Text());
    }
}
BENCHMARK(BM_TypeDate);

}  // namespace

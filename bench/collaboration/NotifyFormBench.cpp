// Opening the notification form with a receiver text of 500 receivers and
// building the text back from its grid, beside 50 and 5,000 receivers so
// that the fitted complexity shows whether the cost grows linearly. Each
// result carries the budget it is held against: a form that opens, or a
// list that is written back, within 100 ms feels immediate to the user.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/forms/TApplication.h"
#include "src/collaboration/NvNotify.h"
#include "src/shell/Hemr07C.h"

namespace {

constexpr double kBudgetMs = 100;

std::string ReceiverText(int count) {
    std::string text = "<?xml version=\"1.0\" encoding=\"GB2312\"?><Root>";
    for (int i = 1; i <= count; ++i) {
        const std::string n = std::to_string(i);
        text += "<R" + n + " ID=\"U" + n + "\" Name=\"张伟" + n + "\" Mob=\"1380000" + n + "\" Mail=\"u" + n +
                "@example.com\" Type=\"1\" Msg=\"YNY\"/>";
    }
    return text + "</Root>";
}

void Start() {
    static const bool started = [] {
        hemr::Hemr07CMain();
        return true;
    }();
    (void)started;
}

void Budget(benchmark::State& state) {
    state.counters["budget_ms"] = kBudgetMs;
    state.SetComplexityN(state.range(0));
}

void BM_OpenNotifyForm(benchmark::State& state) {
    Start();
    const std::string text = ReceiverText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto* form = new hemr::TfrmNotify(nullptr);
        form->AfterConstruction();
        form->Open(text, "N", "");
        benchmark::DoNotOptimize(form->grReceive);
        form->Free();
    }
    Budget(state);
}
BENCHMARK(BM_OpenNotifyForm)->Arg(50)->Arg(500)->Arg(5000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

void BM_BuildReceiverText(benchmark::State& state) {
    Start();
    auto* form = new hemr::TfrmNotify(nullptr);
    form->AfterConstruction();
    form->Open(ReceiverText(static_cast<int>(state.range(0))), "N", "");
    for (auto _ : state) benchmark::DoNotOptimize(form->BuildReceiverXml());
    form->Free();
    Budget(state);
}
BENCHMARK(BM_BuildReceiverText)->Arg(50)->Arg(500)->Arg(5000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

}  // namespace

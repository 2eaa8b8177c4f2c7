// The generic condition form's set-up against the embedded application
// server (session services, settings, program catalogue, the in-process
// scheme server), and building the condition array of a report-sized form.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/framework/BenchHome.h"
#include "platform/automation/ComObj.h"
#include "src/shell/Hemr07CF.h"

namespace {

using hemr_bench::Home;

// A report form with `rows` derived conditions, every one filled.
class TfrmBenchReport : public hemr::TfrmHemr07 {
    RT_CLASS(TfrmBenchReport, hemr::TfrmHemr07)
public:
    explicit TfrmBenchReport(rt::TComponent* owner) : hemr::TfrmHemr07(owner) {}
    void InitSettings() override {
        hemr::TfrmHemr07::InitSettings();
        SetConditionCount(rows);
    }
    bool FillConditionCaptions(rt::Variant& Captions, int Rows) override {
        if (!hemr::TfrmHemr07::FillConditionCaptions(Captions, Rows)) return false;
        for (int i = 1; i <= Rows; ++i) Captions.At(i) = rt::Variant::ArrayOf({"年龄段" + std::to_string(i), "ed01"});
        return true;
    }
    bool FillConditionValues(rt::Variant& Values, int Rows) override {
        if (!hemr::TfrmHemr07::FillConditionValues(Values, Rows)) return false;
        for (int i = 1; i <= Rows; ++i) Values.At(i) = rt::Variant(std::to_string(i * 5));
        return true;
    }
    static inline int rows = 0;
};

TfrmBenchReport* NewReadyForm(const rt::Variant& session) {
    auto* form = new TfrmBenchReport(nullptr);
    form->AfterConstruction();
    form->SetModulePath(Home().Folder() + "/Hemr07C.so");
    form->SetSessionObject(session);
    form->InitForm(rt::Variant::ArrayOf({"796", "KWTest60", "KWTest60", 0, ""}));
    return form;
}

void BM_InitFormOnTheEmbeddedServer(benchmark::State& state) {
    Home();
    const rt::Variant session = rt::CreateOleObject("OstrelWorkCenter.Manager");
    TfrmBenchReport::rows = 12;
    for (auto _ : state) {
        TfrmBenchReport* form = NewReadyForm(session);
        if (!form->SchemeServer().IsDispatch()) state.SkipWithError("the form did not connect");
        form->Free();
    }
}
BENCHMARK(BM_InitFormOnTheEmbeddedServer)->Unit(benchmark::kMillisecond);

void BM_BuildConditionArray(benchmark::State& state) {
    Home();
    const rt::Variant session = rt::CreateOleObject("OstrelWorkCenter.Manager");
    TfrmBenchReport::rows = static_cast<int>(state.range(0));
    TfrmBenchReport* form = NewReadyForm(session);
    for (auto _ : state) {
        if (!form->BuildConditionArray()) state.SkipWithError("the array was refused");
        benchmark::DoNotOptimize(form->ConditionArray());
    }
    form->Free();
}
BENCHMARK(BM_BuildConditionArray)->Arg(12)->Arg(200);

}  // namespace

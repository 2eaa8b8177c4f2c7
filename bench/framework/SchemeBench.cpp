// Saving and opening a condition scheme of the HEMR07 form on the embedded
// application server: the values text of every condition control, the
// insert, the list's refresh, and the restore of every control. Each is
// shown beside the 100 ms within which a button press feels immediate.

#include <benchmark/benchmark.h>

#include "bench/framework/BenchHome.h"
#include "platform/automation/ComObj.h"
#include "platform/classes/TStringList.h"
#include "platform/comctrls/TListItems.h"
#include "platform/comctrls/TListView.h"
#include "platform/maskedit/TCustomMaskEdit.h"
#include "src/shell/Hemr07CF.h"

namespace {

constexpr double kImmediateMs = 100.0;
constexpr const char* kName = "月初统计";

hemr::TfrmHemr07* SchemeForm() {
    hemr_bench::Home();
    auto* form = new hemr::TfrmHemr07(nullptr);
    form->AfterConstruction();
    form->SetModulePath(hemr_bench::Home().Folder() + "/Hemr07C.so");
    form->SetSessionObject(rt::CreateOleObject("OstrelWorkCenter.Manager"));
    form->InitForm(rt::Variant::ArrayOf({"796", "KWTest60", "KWTest60", 0, ""}));
    // A rule on the statistics date, as the scheme dialog leaves it.
    form->DateEnvironment().Clear();
    form->DateEnvironment().Add(std::string("1\3ed03\3Y\3-1\3" "1\3" "1\3" "0\3D"));
    return form;
}

void BM_SaveHemr07Scheme(benchmark::State& state) {
    hemr::TfrmHemr07* form = SchemeForm();
    for (auto _ : state) {
        if (!form->SaveConditionValues(form->PropertyList(), kName, true)) state.SkipWithError("the save was refused");
        form->RefreshSchemeList();
    }
    state.counters["limit_ms"] = kImmediateMs;
    form->Free();
}
BENCHMARK(BM_SaveHemr07Scheme)->Unit(benchmark::kMillisecond);

void BM_OpenHemr07Scheme(benchmark::State& state) {
    hemr::TfrmHemr07* form = SchemeForm();
    form->SaveConditionValues(form->PropertyList(), kName, true);
    form->RefreshSchemeList();
    if (form->lstCondition->Items()->Count() != 1) state.SkipWithError("the scheme is not listed");
    form->lstCondition->SetSelected(form->lstCondition->Items()->Item(0));
    const std::string saved = form->ed05->GetText();
    form->ed05->SetText("1");
    form->btnOpenClick(nullptr);
    if (form->ed05->GetText() != saved) state.SkipWithError("opening restored nothing");
    // As "开启(&O)" does it: the record by its key, its values restored control by control.
    for (auto _ : state) form->btnOpenClick(nullptr);
    state.counters["limit_ms"] = kImmediateMs;
    form->Free();
}
BENCHMARK(BM_OpenHemr07Scheme)->Unit(benchmark::kMillisecond);

}  // namespace

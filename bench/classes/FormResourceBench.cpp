// Reading and freeing a form resource of a few hundred components, and
// writing one back: the cost every form pays when it is created.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Events.h"
#include "platform/classes/TComponent.h"
#include "platform/classes/TStringList.h"
#include "platform/streaming/FormResources.h"

namespace {

RT_ENUM(TBenchAlign, baLeft, baRight, baCenter)

class TBenchEdit : public rt::TComponent {
    RT_CLASS(TBenchEdit, rt::TComponent)

public:
    explicit TBenchEdit(rt::TComponent* owner) : rt::TComponent(owner) {}
    ~TBenchEdit() override { delete items; }
    static void Publish(rt::TPublisher<TBenchEdit>& p) {
        p.Property("Left", &TBenchEdit::Left).Default(0);
        p.Property("Top", &TBenchEdit::Top).Default(0);
        p.Property("Caption", &TBenchEdit::Caption);
        p.Property("Alignment", &TBenchEdit::Alignment).Default(baLeft);
        p.Property("Enabled", &TBenchEdit::Enabled).Default(true);
        p.Property("Items", &TBenchEdit::items);
        p.Property("OnExit", &TBenchEdit::OnExit);
    }
    int Left = 0;
    int Top = 0;
    std::string Caption;
    TBenchAlign Alignment = baLeft;
    bool Enabled = true;
    rt::TStringList* items = new rt::TStringList;
    rt::TNotifyEvent OnExit;
};

class TBenchForm : public rt::TComponent {
    RT_CLASS(TBenchForm, rt::TComponent)

public:
    explicit TBenchForm(rt::TComponent* owner) : rt::TComponent(owner) {}
    static void Publish(rt::TPublisher<TBenchForm>& p) { RT_METHOD(p, edExit); }
    void edExit(rt::TObject*) {}
};

std::string MakeResource(int components) {
    std::string text = "object frmBench: TBenchForm\n";
    for (int i = 0; i < components; ++i) {
        const std::string n = std::to_string(i);
        text += "  object ed" + n + ": TBenchEdit\n";
        text += "    Left = " + n + "\n    Top = " + std::to_string(i * 24) + "\n";
        text += "    Caption = '字段'#32'" + n + "'\n    Alignment = baCenter\n    Enabled = False\n";
        text += "    Items.Strings = (\n      'a'\n      'b')\n    OnExit = edExit\n  end\n";
    }
    return text + "end\n";
}

void RegisterBenchClasses() {
    rt::RegisterClasses({TBenchEdit::StaticClass(), TBenchForm::StaticClass()});
}

void BM_ReadAndFreeFormResource(benchmark::State& state) {
    RegisterBenchClasses();
    const std::string text = MakeResource(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::unique_ptr<rt::TComponent> form(rt::CreateComponentFromResource(text, nullptr));
        benchmark::DoNotOptimize(form.get());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadAndFreeFormResource)->Arg(100)->Arg(300)->Unit(benchmark::kMillisecond);

void BM_WriteFormResource(benchmark::State& state) {
    RegisterBenchClasses();
    std::unique_ptr<rt::TComponent> form(
        rt::CreateComponentFromResource(MakeResource(static_cast<int>(state.range(0))), nullptr));
    for (auto _ : state) benchmark::DoNotOptimize(rt::WriteComponentResText(form.get()));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WriteFormResource)->Arg(300)->Unit(benchmark::kMillisecond);

}  // namespace

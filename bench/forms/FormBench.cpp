// Creating and freeing a condition-sized form of a few hundred standard
// controls from resource text, and showing it (focus walk and alignment).

#include <benchmark/benchmark.h>

#include <string>

#include "platform/forms/TApplication.h"
#include "platform/forms/TForm.h"
#include "platform/forms/ToolkitClasses.h"
#include "platform/streaming/FormResources.h"

namespace {

// `panels` panels, each with a label, an edit, a check box and a button: five controls per panel.
std::string FormText(int panels) {
    std::string text = "object frmBench: TForm\n  Width = 800\n  Height = 600\n  Color = clBtnFace\n";
    for (int i = 0; i < panels; ++i) {
        const std::string n = std::to_string(i);
        text += "  object pnl" + n + ": TPanel\n    Left = 0\n    Top = " + std::to_string(i * 30) +
                "\n    Width = 780\n    Height = 30\n    Align = alTop\n    BevelOuter = bvLowered\n    TabOrder = " +
                n + "\n";
        text += "    object lbl" + n + ": TLabel\n      Left = 4\n      Top = 4\n      Width = 60\n      Height = 13\n"
                "      Caption = '&Field " + n + "'\n      FocusControl = ed" + n + "\n    end\n";
        text += "    object ed" + n + ": TEdit\n      Left = 70\n      Top = 4\n      Width = 121\n      Height = 21\n"
                "      MaxLength = 10\n      TabOrder = 0\n      Text = 'value " + n + "'\n    end\n";
        text += "    object chk" + n + ": TCheckBox\n      Left = 200\n      Top = 4\n      Width = 97\n"
                "      Height = 17\n      Caption = 'Check'\n      Checked = True\n      TabOrder = 1\n    end\n";
        text += "    object btn" + n + ": TButton\n      Left = 300\n      Top = 2\n      Width = 75\n      Height = 25\n"
                "      Caption = '...'\n      ModalResult = 1\n      TabOrder = 2\n    end\n";
        text += "  end\n";
    }
    return text + "end\n";
}

void BM_CreateAndFreeFormFromResource(benchmark::State& state) {
    rt::RegisterToolkitClasses();
    const std::string text = FormText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto* form = new rt::TForm(&rt::Application());
        rt::ReadComponentResText(form, text);
        benchmark::DoNotOptimize(form->ComponentCount());
        form->Free();
    }
    state.counters["controls"] = static_cast<double>(state.range(0) * 5);
}
BENCHMARK(BM_CreateAndFreeFormFromResource)->Arg(60)->Arg(120)->Unit(benchmark::kMillisecond);

void BM_ShowFormFromResource(benchmark::State& state) {
    rt::RegisterToolkitClasses();
    const std::string text = FormText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto* form = new rt::TForm(&rt::Application());
        rt::ReadComponentResText(form, text);
        form->Show();
        form->Free();
        rt::Application().ProcessMessages();
    }
}
BENCHMARK(BM_ShowFormFromResource)->Arg(60)->Unit(benchmark::kMillisecond);

}  // namespace

// Costs of the aligned string grid as its rows grow: drawing and streaming a
// grid of 20 columns with formatting on every tenth cell, and inserting rows
// one by one. Each runs at 1,000 and 10,000 rows side by side; the fitted
// complexity shows whether the cost grows linearly with the rows. Drawing and
// inserting do; streaming grows faster at 10,000 rows because the form writer
// and parser hold every value of a list (about 160 bytes each, 100 MB here)
// at once, past the caches and the allocator's reuse of freed memory
// (GLIBC_TUNABLES=glibc.malloc.mmap_max=0 shows the allocator's share).

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/forms/TApplication.h"
#include "platform/forms/TForm.h"
#include "platform/graphics/TBrush.h"
#include "platform/streaming/FormResources.h"
#include "src/grid/GridRegistration.h"
#include "src/grid/TStringAlignGrid.h"

namespace {

using hemr::TPropTarget;
using hemr::TStringAlignGrid;

constexpr int kCols = 20;

// Every cell holds a text; every tenth cell has its own alignment and brush.
void Fill(TStringAlignGrid& grid, int rows) {
    grid.SetColCount(kCols);
    grid.SetRowCount(rows + 1);
    rt::TBrush brush;
    brush.SetColor(rt::clYellow);
    int n = 0;
    for (int row = 1; row <= rows; ++row) {
        for (int col = 1; col < kCols; ++col, ++n) {
            grid.SetCells(col, row, "cell " + std::to_string(n));
            if (n % 10 != 0) continue;
            grid.SetAlignmentOf(TPropTarget::Cell(col, row), hemr::alCenter);
            grid.SetBrushOf(TPropTarget::Cell(col, row), &brush);
        }
    }
}

struct TGridForm {
    // Without a grid it is a form to read a resource into.
    explicit TGridForm(bool withGrid = true) : form(new rt::TForm(&rt::Application())) {
        hemr::RegisterAlignGridClasses();
        form->AfterConstruction();
        static int made = 0;
        form->SetName("frmBench" + std::to_string(++made));
        if (!withGrid) return;
        grid = new TStringAlignGrid(form);
        grid->SetName("sgGrid");
        grid->SetParent(form);
    }
    ~TGridForm() { form->Free(); }
    rt::TForm* form;
    TStringAlignGrid* grid = nullptr;
};

void BM_DrawWholeGrid(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    TGridForm f;
    Fill(*f.grid, rows);
    // Tall enough that every row is in view and painted.
    f.grid->SetBounds(0, 0, kCols * 70, (rows + 1) * 26);
    f.form->Show();
    for (auto _ : state) {
        f.grid->Invalidate();
        f.grid->Repaint();
    }
    state.SetComplexityN(rows);
}
BENCHMARK(BM_DrawWholeGrid)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

void BM_StreamGrid(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    TGridForm f;
    Fill(*f.grid, rows);
    for (auto _ : state) {
        const std::string text = rt::WriteComponentResText(f.form);
        TGridForm copy(false);
        rt::ReadComponentResText(copy.form, text);
        benchmark::DoNotOptimize(text.size());
    }
    state.SetComplexityN(rows);
}
BENCHMARK(BM_StreamGrid)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// Rows added one by one below a formatted grid, as Enter in the last cell does.
void BM_InsertRowsOneByOne(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        TGridForm f;
        Fill(*f.grid, 1);
        state.ResumeTiming();
        for (int i = 0; i < rows; ++i) f.grid->InsertRow(f.grid->RowCount());
        benchmark::DoNotOptimize(f.grid->RowCount());
    }
    state.SetComplexityN(rows);
}
BENCHMARK(BM_InsertRowsOneByOne)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// 1,000 rows inserted one by one at the top of a formatted grid: every
// insertion moves all rows below it with their texts, records and hints.
void BM_Insert1000RowsAtTop(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        TGridForm f;
        Fill(*f.grid, rows);
        state.ResumeTiming();
        for (int i = 0; i < 1000; ++i) f.grid->InsertRow(1);
        benchmark::DoNotOptimize(f.grid->RowCount());
    }
    state.SetComplexityN(rows);
}
BENCHMARK(BM_Insert1000RowsAtTop)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// Writing alone: most of streaming's cost, and where it stops growing linearly (the
// form writer keeps every value of a list in memory, some 160 bytes each).
void BM_WriteGrid(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    TGridForm f;
    Fill(*f.grid, rows);
    for (auto _ : state) benchmark::DoNotOptimize(rt::WriteComponentResText(f.form).size());
    state.SetComplexityN(rows);
}
BENCHMARK(BM_WriteGrid)->Arg(1000)->Arg(10000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

}  // namespace

#include <benchmark/benchmark.h>

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace {

// A grid-like page: 40 cells of mixed Chinese and ASCII text, word-broken and centred.
void BM_DrawTextIntoBitmap(benchmark::State& state) {
    rt::TBitmap bmp(400, 300);
    rt::TCanvas* canvas = bmp.Canvas();
    canvas->Brush()->SetColor(rt::clWindow);
    canvas->Font()->SetColor(rt::clWindowText);
    for (auto _ : state) {
        for (int i = 0; i < 40; ++i) {
            rt::TRect cell = rt::Bounds((i % 4) * 100, (i / 4) * 30, 100, 30);
            canvas->FillRect(cell);
            canvas->DrawText("员工年龄分布 Employee age 20-29", cell, rt::DT_CENTER | rt::DT_WORDBREAK | rt::DT_NOPREFIX);
        }
        benchmark::DoNotOptimize(bmp.GetPixel(50, 10));
    }
    state.SetItemsProcessed(state.iterations() * 40);
}
BENCHMARK(BM_DrawTextIntoBitmap);

void BM_MeasureAndEllipsize(benchmark::State& state) {
    rt::TCanvas canvas;
    for (auto _ : state) {
        rt::TRect r = rt::Rect(0, 0, 80, 20);
        benchmark::DoNotOptimize(
            canvas.DrawText("选择需要通知的用户 and a long tail", r, rt::DT_CALCRECT | rt::DT_SINGLELINE | rt::DT_END_ELLIPSIS));
    }
}
BENCHMARK(BM_MeasureAndEllipsize);

void BM_BitmapFileRoundTrip(benchmark::State& state) {
    rt::TBitmap bmp(64, 64);
    bmp.Canvas()->TextOut(2, 2, "HEMR07");
    for (auto _ : state) {
        rt::TBitmap copy;
        copy.LoadFromStream(bmp.SaveToStream());
        benchmark::DoNotOptimize(copy.GetPixel(3, 3));
    }
}
BENCHMARK(BM_BitmapFileRoundTrip);

}  // namespace

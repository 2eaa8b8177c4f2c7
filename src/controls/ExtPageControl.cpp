#include "src/controls/ExtPageControl.h"

namespace hemr {

namespace {
constexpr int kActiveInset = 2;
constexpr int kInactiveTextDrop = 2;
}  // namespace

TExtPageControl::TExtPageControl(rt::TComponent* owner) : rt::TPageControl(owner) { SetOwnerDraw(true); }

void TExtPageControl::Publish(rt::TPublisher<TExtPageControl>& p) { p.Republish("OwnerDraw").Default(true); }

void TExtPageControl::DrawTab(int tabIndex, const rt::TRect& rect, bool active) {
    if (OnDrawTab.Assigned()) {
        rt::TPageControl::DrawTab(tabIndex, rect, active);
        return;
    }
    DrawTabCaption(tabIndex, rect, active);
}

void TExtPageControl::DrawTabCaption(int tabIndex, rt::TRect rect, bool active) {
    rt::TCanvas& canvas = *Canvas();
    canvas.SetFont(Font());
    canvas.Brush()->SetStyle(rt::bsSolid);
    rt::TRect text = rect;
    if (active) {
        rt::InflateRect(rect, -kActiveInset, -kActiveInset);
        text = rect;
        canvas.Brush()->SetColor(rt::clActiveCaption);
        canvas.Font()->SetColor(rt::clCaptionText);
        canvas.Font()->SetStyle(rt::TFontStyles{rt::fsBold});
    } else {
        text.Top += kInactiveTextDrop;
        canvas.Brush()->SetColor(rt::clInactiveCaption);
        canvas.Font()->SetColor(rt::clInactiveCaptionText);
        canvas.Font()->SetStyle(rt::TFontStyles{});
    }
    canvas.FillRect(rect);
    const rt::TTabSheet* page = PageForTab(tabIndex);
    if (page == nullptr) return;
    canvas.Brush()->SetStyle(rt::bsClear);
    canvas.DrawText(page->Caption(), text, rt::DT_SINGLELINE | rt::DT_CENTER | rt::DT_VCENTER);
}

}  // namespace hemr

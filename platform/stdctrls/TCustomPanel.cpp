#include "platform/stdctrls/TCustomPanel.h"

#include <algorithm>

namespace rt {

TCustomPanel::TCustomPanel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 41); }

void TCustomPanel::Publish(TPublisher<TCustomPanel>& p) {
    p.Property("Caption", &TCustomPanel::Caption, &TCustomPanel::SetCaption).Default(std::string());
    p.Property("Alignment", &TCustomPanel::Alignment, &TCustomPanel::SetAlignment).Default(taCenter);
    p.Property("BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner).Default(bvNone);
    p.Property("BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter).Default(bvRaised);
    p.Property("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth).Default(1);
    p.Property("BorderWidth", &TCustomPanel::BorderWidth, &TCustomPanel::SetBorderWidth).Default(0);
    p.Property("BorderStyle", &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle).Default(bsNone);
}

void TCustomPanel::FrameChanged() {
    Invalidate();
    Realign();
}

void TCustomPanel::SetBevelInner(TBevelCut v) {
    bevelInner_ = v;
    FrameChanged();
}

void TCustomPanel::SetBevelOuter(TBevelCut v) {
    bevelOuter_ = v;
    FrameChanged();
}

void TCustomPanel::SetBevelWidth(int v) {
    bevelWidth_ = std::max(v, 1);
    FrameChanged();
}

void TCustomPanel::SetBorderWidth(int v) {
    borderWidth_ = std::max(v, 0);
    FrameChanged();
}

void TCustomPanel::SetBorderStyle(TBorderStyle v) {
    borderStyle_ = v;
    FrameChanged();
}

void TCustomPanel::SetAlignment(TAlignment v) {
    alignment_ = v;
    Invalidate();
}

int TCustomPanel::FrameWidth() const {
    int width = borderWidth_ + (borderStyle_ == bsSingle ? 1 : 0);
    if (bevelOuter_ != bvNone) width += bevelWidth_;
    if (bevelInner_ != bvNone) width += bevelWidth_;
    return width;
}

TRect TCustomPanel::AlignRect() const {
    TRect r = ClientRect();
    const int w = FrameWidth();
    r.Left += w;
    r.Top += w;
    r.Right = std::max(r.Left, r.Right - w);
    r.Bottom = std::max(r.Top, r.Bottom - w);
    return r;
}

}  // namespace rt

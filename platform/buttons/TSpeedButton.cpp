#include "platform/buttons/TSpeedButton.h"

#include "platform/buttons/Frame3D.h"
#include "platform/controls/TWinControl.h"
#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

namespace rt {

TSpeedButton::TSpeedButton(TComponent* owner) : TControl(owner), canvas_(std::make_unique<TCanvas>()) {
    SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::Publish(TPublisher<TSpeedButton>& p) {
    p.Property("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(false);
    p.Property("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
    p.Property("Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(false);
    p.Property("Caption", &TSpeedButton::Caption, &TSpeedButton::SetCaption).Default(std::string());
    p.Property("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(false);
    p.Property("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph);
    p.Property("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout).Default(blGlyphLeft);
    p.Property("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin).Default(-1);
    p.Property("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs).Default(1);
    p.Property("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing).Default(4);
    p.Property("Transparent", &TSpeedButton::Transparent, &TSpeedButton::SetTransparent).Default(true);
}

void TSpeedButton::SetAllowAllUp(bool allow) {
    if (allow == allowAllUp_) return;
    allowAllUp_ = allow;
    UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(int index) {
    if (index == groupIndex_) return;
    groupIndex_ = index;
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool down) {
    if (groupIndex_ == 0) down = false;
    if (down == down_) return;
    if (down_ && !allowAllUp_) return;
    down_ = down;
    state_ = down ? bsExclusive : bsUp;
    Invalidate();
    if (down) UpdateExclusive();
}

void TSpeedButton::SetFlat(bool flat) {
    if (flat == flat_) return;
    flat_ = flat;
    Invalidate();
}

void TSpeedButton::SetTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Invalidate();
}

void TSpeedButton::SetGlyph(TBitmap* glyph) {
    glyph_.Glyph()->Assign(glyph);
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int count) {
    glyph_.SetNumGlyphs(count);
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout layout) {
    arrangement_.Layout = layout;
    Invalidate();
}

void TSpeedButton::SetMargin(int margin) {
    arrangement_.Margin = margin < -1 ? -1 : margin;
    Invalidate();
}

void TSpeedButton::SetSpacing(int spacing) {
    arrangement_.Spacing = spacing < -1 ? -1 : spacing;
    Invalidate();
}

TButtonState TSpeedButton::State() const {
    if (!Enabled()) return bsDisabled;
    if (state_ == bsDisabled) return down_ ? bsExclusive : bsUp;
    return state_;
}

void TSpeedButton::EnabledChanged() {
    TControl::EnabledChanged();
    state_ = Enabled() ? (down_ ? bsExclusive : bsUp) : bsDisabled;
    Invalidate();
}

void TSpeedButton::UpdateExclusive() {
    if (groupIndex_ == 0 || Parent() == nullptr) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
        if (other != nullptr && other != this && other->groupIndex_ == groupIndex_) other->GroupChanged(*this);
    }
}

void TSpeedButton::GroupChanged(const TSpeedButton& sender) {
    if (sender.down_ && down_) {
        down_ = false;
        state_ = bsUp;
        Invalidate();
    }
    allowAllUp_ = sender.allowAllUp_;
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !EnabledInTree()) return;
    if (!down_) {
        state_ = bsDown;
        Invalidate();
    }
    dragging_ = true;
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TControl::MouseUp(button, shift, x, y);
    if (!dragging_) return;
    dragging_ = false;
    const bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
    if (groupIndex_ == 0) {
        state_ = bsUp;
        Invalidate();
    } else if (inside) {
        SetDown(!down_);
    } else {
        state_ = down_ ? bsExclusive : bsUp;
        Invalidate();
    }
    if (inside) Click();
}

void TSpeedButton::PaintFrame(TRect& rect, TButtonState state) {
    const bool pressed = state == bsDown || state == bsExclusive;
    if (flat_) {
        // A flat button shows a border only while it is pressed.
        if (pressed) Frame3D(*canvas_, rect, clBtnShadow, clBtnHighlight, 1);
        return;
    }
    if (pressed) {
        Frame3D(*canvas_, rect, clWindowFrame, clBtnHighlight, 1);
        Frame3D(*canvas_, rect, clBtnShadow, clBtnFace, 1);
    } else {
        Frame3D(*canvas_, rect, clBtnHighlight, clWindowFrame, 1);
        Frame3D(*canvas_, rect, clBtnFace, clBtnShadow, 1);
    }
}

void TSpeedButton::Paint() {
    canvas_->SetFont(Font());
    const TButtonState state = State();
    TRect rect = ClientRect();
    if (!(flat_ && transparent_)) {
        canvas_->Brush()->SetStyle(bsSolid);
        canvas_->Brush()->SetColor(clBtnFace);
        canvas_->FillRect(rect);
    }
    PaintFrame(rect, state);
    const bool pressed = state == bsDown || state == bsExclusive;
    const TPoint offset = pressed ? TPoint{1, 1} : TPoint{0, 0};
    glyph_.Draw(*canvas_, ClientRect(), offset, Caption(), arrangement_, state);
}

}  // namespace rt

#include "platform/stdctrls/TCustomLabel.h"

#include "platform/controls/TWinControl.h"
#include "platform/graphics/TTextLayout.h"
#include "platform/graphics/TTextMetrics.h"

namespace rt {

TCustomLabel::TCustomLabel(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 65, 17); }

void TCustomLabel::Publish(TPublisher<TCustomLabel>& p) {
    p.Property("Caption", &TCustomLabel::Caption, &TCustomLabel::SetCaption).Default(std::string());
    p.Property("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize).Default(true);
    p.Property("FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl);
    p.Property("Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment).Default(taLeftJustify);
    p.Property("Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout).Default(tlTop);
    p.Property("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap).Default(false);
    p.Property("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent).Default(false);
    p.Property("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar).Default(true);
}

void TCustomLabel::SetAutoSize(bool v) {
    autoSize_ = v;
    AdjustBounds();
}

void TCustomLabel::SetFocusControl(TWinControl* control) {
    if (control == focusControl_) return;
    if (focusControl_ != nullptr) focusControl_->RemoveFreeNotification(this);
    focusControl_ = control;
    if (control != nullptr) control->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
    TControl::Notification(component, operation);
    if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

void TCustomLabel::SetAlignment(TAlignment v) {
    alignment_ = v;
    Invalidate();
}

void TCustomLabel::SetLayout(TLabelLayout v) {
    layout_ = v;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool v) {
    wordWrap_ = v;
    AdjustBounds();
}

void TCustomLabel::SetTransparent(bool v) {
    transparent_ = v;
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool v) {
    showAccelChar_ = v;
    AdjustBounds();
}

uint32_t TCustomLabel::TextFlags() const {
    uint32_t flags = wordWrap_ ? DT_WORDBREAK : 0;
    if (!showAccelChar_) flags |= DT_NOPREFIX;
    if (alignment_ == taCenter) flags |= DT_CENTER;
    if (alignment_ == taRightJustify) flags |= DT_RIGHT;
    return flags;
}

void TCustomLabel::AdjustBounds() {
    if (!autoSize_ || ComponentState().Contains(csLoading) || ComponentState().Contains(csReading)) return;
    std::string text = Caption();
    // An empty caption (or a lone prefix) still keeps one line's height.
    if (text.empty() || (showAccelChar_ && text == "&")) text += ' ';
    const TRect area = Rect(0, 0, wordWrap_ ? Width() : 0x3FFFFFFF, 0);
    const TTextLayout layout(*Font(), GetTextMetrics(), text, area, TextFlags() | DT_CALCRECT);
    const TRect need = layout.Bounds();
    const int width = wordWrap_ ? Width() : need.Width();
    int left = Left();
    if (alignment_ == taRightJustify && !wordWrap_) left += Width() - width;
    SetBounds(left, Top(), width, need.Height());
}

void TCustomLabel::TextChanged() { AdjustBounds(); }

void TCustomLabel::FontChanged() {
    TControl::FontChanged();
    AdjustBounds();
}

void TCustomLabel::Loaded() {
    TControl::Loaded();
    AdjustBounds();
}

}  // namespace rt

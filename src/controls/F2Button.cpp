#include "src/controls/F2Button.h"

#include "platform/controls/TWinControl.h"
#include "src/controls/BindingScan.h"
#include "src/controls/ControlMessages.h"

namespace hemr {

namespace {
constexpr int kLookupGlyph = 8;
}

TF2Button::TF2Button(rt::TComponent* owner) : TGSpeedButton(owner) {
    SetFlat(true);
    SetGlyphIndex(kLookupGlyph);
}

TF2Button::~TF2Button() {
    if (f2Control_ != nullptr) f2Control_->RemoveFreeNotification(this);
}

void TF2Button::Publish(rt::TPublisher<TF2Button>& p) {
    p.Republish("Flat").Default(true);
    p.Republish("GlyphIndex").Default(kLookupGlyph);
    p.Property("AutoAlign", &TF2Button::AutoAlign, &TF2Button::SetAutoAlign).Default(true);
    p.Property("F2Control", &TF2Button::F2Control, &TF2Button::SetF2Control);
    p.Property("Gap", &TF2Button::Gap, &TF2Button::SetGap).Default(2);
}

void TF2Button::SetAutoAlign(bool v) {
    autoAlign_ = v;
    AlignToControl();
}

void TF2Button::SetGap(uint8_t gap) {
    if (gap == gap_) return;
    gap_ = gap;
    AlignToControl();
}

bool TF2Button::BoundElsewhere(const rt::TWinControl* control) const {
    for (rt::TComponent* c : BindingNeighbours(this)) {
        auto* button = dynamic_cast<TF2Button*>(c);
        if (button == nullptr || button->f2Control_ != control) continue;
        if (button != this) ShowControlError(kF2ButtonTwiceError);
        return true;
    }
    return false;
}

void TF2Button::SetF2Control(rt::TWinControl* control) {
    if (control != nullptr && BoundElsewhere(control)) return;
    if (control != f2Control_) {
        if (f2Control_ != nullptr) f2Control_->RemoveFreeNotification(this);
        f2Control_ = control;
        if (control != nullptr) control->FreeNotification(this);
    }
    AlignToControl();
}

void TF2Button::AlignToControl() {
    if (f2Control_ == nullptr || !autoAlign_) return;
    const int size = f2Control_->Height();
    SetBounds(f2Control_->Left() + f2Control_->Width() + gap_, f2Control_->Top(), size, size);
}

void TF2Button::Click() {
    TGSpeedButton::Click();
    FocusAndRequestLookup(f2Control_);
}

void TF2Button::Notification(rt::TComponent* component, rt::TOperation operation) {
    TGSpeedButton::Notification(component, operation);
    if (operation == rt::opRemove && component == f2Control_) f2Control_ = nullptr;
}

}  // namespace hemr

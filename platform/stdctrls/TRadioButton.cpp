#include "platform/stdctrls/TRadioButton.h"

namespace rt {

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::Publish(TPublisher<TRadioButton>& p) {
    p.Property("Alignment", &TRadioButton::Alignment, &TRadioButton::SetAlignment).Default(taRightJustify);
    p.Property("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked).Default(false);
}

void TRadioButton::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    Invalidate();
    if (!v) return;
    UncheckSiblings();
    if (!IsReading()) Click();
}

void TRadioButton::UncheckSiblings() {
    TWinControl* parent = Parent();
    if (parent == nullptr) return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* other = dynamic_cast<TRadioButton*>(parent->Controls(i));
        if (other != nullptr && other != this) other->SetChecked(false);
    }
}

}  // namespace rt

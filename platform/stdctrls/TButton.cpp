#include "platform/stdctrls/TButton.h"

#include "platform/controls/VirtualKeys.h"
#include "platform/forms/TCustomForm.h"

namespace rt {

TButton::TButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 75, 25); }

void TButton::Publish(TPublisher<TButton>& p) {
    p.Property("Default", &TButton::Default, &TButton::SetDefault).Default(false);
    p.Property("Cancel", &TButton::Cancel, &TButton::SetCancel).Default(false);
    p.Property("ModalResult", &TButton::ModalResult, &TButton::SetModalResult).Default(mrNone);
}

bool TButton::IsActiveDefault() const {
    TCustomForm* form = GetParentForm(const_cast<TButton*>(this));
    TWinControl* focused = form != nullptr ? form->ActiveControl() : nullptr;
    if (dynamic_cast<TButton*>(focused) != nullptr) return focused == this;
    return default_;
}

void TButton::Click() {
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
    TButtonControl::Click();
}

bool TButton::DialogKey(uint16_t key, TShiftState shift) {
    if (!shift.Empty()) return false;
    const bool byEnter = key == VK_RETURN && IsActiveDefault();
    const bool byEscape = key == VK_ESCAPE && cancel_;
    if (!(byEnter || byEscape) || !CanFocus()) return false;
    Click();
    return true;
}

}  // namespace rt

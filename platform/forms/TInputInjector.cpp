#include "platform/forms/TInputInjector.h"

#include "platform/controls/KeyNames.h"
#include "platform/controls/TWinControl.h"
#include "platform/controls/VirtualKeys.h"
#include "platform/core/Exceptions.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TScreen.h"

namespace rt {

namespace {

uint32_t DownMessage(TMouseButton button) {
    switch (button) {
        case mbRight: return WM_RBUTTONDOWN;
        case mbMiddle: return WM_MBUTTONDOWN;
        default: return WM_LBUTTONDOWN;
    }
}

uint32_t UpMessage(TMouseButton button) {
    switch (button) {
        case mbRight: return WM_RBUTTONUP;
        case mbMiddle: return WM_MBUTTONUP;
        default: return WM_LBUTTONUP;
    }
}

// `p` of `root`'s client area in `control`'s client coordinates.
TPoint ToControl(TWinControl* root, TControl* control, TPoint p) {
    const TPoint origin = control->ClientToRoot({0, 0});
    const TPoint rootOrigin = root->ClientToRoot({0, 0});
    return {p.X - (origin.X - rootOrigin.X), p.Y - (origin.Y - rootOrigin.Y)};
}

TControl* HitTest(TWinControl* root, TPoint p) {
    TControl* hit = root->ControlAtPos(p);
    return hit != nullptr ? hit : root;
}

bool WantsFocusOnClick(TControl* control) {
    auto* win = dynamic_cast<TWinControl*>(control);
    return win != nullptr && win->TabStop() && win->CanFocus();
}

}  // namespace

TWinControl* TInputInjector::KeyTarget() {
    TCustomForm* form = Screen().ActiveCustomForm();
    if (form == nullptr) return nullptr;
    TWinControl* focused = form->ActiveControl();
    return focused != nullptr ? focused : form;
}

void TInputInjector::AfterInput() { Application().ProcessMessages(); }

bool TInputInjector::KeyDown(uint16_t key, TShiftState shift) {
    TWinControl* target = KeyTarget();
    if (target == nullptr) return true;
    // A key whose handler raised is not typed either.
    bool consumed = true;
    Application().Guard(target, [&] { consumed = target->HandleKeyDown(key, shift); });
    AfterInput();
    return consumed;
}

void TInputInjector::KeyPress(char ch) {
    TWinControl* target = KeyTarget();
    if (target == nullptr) return;
    Application().Guard(target, [&] { target->Perform(WM_CHAR, static_cast<unsigned char>(ch)); });
    AfterInput();
}

void TInputInjector::KeyUp(uint16_t key, TShiftState shift) {
    TWinControl* target = KeyTarget();
    if (target == nullptr) return;
    Application().Guard(target, [&] { target->Perform(WM_KEYUP, key, KeyDataFromShift(shift)); });
    AfterInput();
}

void TInputInjector::PressKey(uint16_t key, TShiftState shift) {
    if (!KeyDown(key, shift)) {
        const char ch = CharOfKey(key, shift);
        if (ch != 0) KeyPress(ch);
    }
    KeyUp(key, shift);
}

void TInputInjector::PressKey(std::string_view keyName) {
    uint16_t key = 0;
    TShiftState shift;
    if (!ParseKeyName(keyName, key, shift)) throw EConvertError("'" + std::string(keyName) + "' is not a key name");
    PressKey(key, shift);
}

void TInputInjector::TypeText(std::string_view utf8) {
    for (char c : utf8) {
        if (c >= 'a' && c <= 'z') {
            PressKey(static_cast<uint16_t>(c - 'a' + 'A'));
        } else if (c >= 'A' && c <= 'Z') {
            PressKey(static_cast<uint16_t>(c), TShiftState{ssShift});
        } else if ((c >= '0' && c <= '9') || c == ' ') {
            PressKey(static_cast<uint16_t>(c));
        } else {
            KeyPress(c);
        }
    }
}

bool TInputInjector::Accepts(TControl* control) const {
    if (control == nullptr || !control->Showing() || !control->EnabledInTree()) return false;
    // A modal form disables the other windows.
    TCustomForm* modal = Application().ModalForm();
    return modal == nullptr || GetParentForm(control) == modal;
}

void TInputInjector::SetPressed(TControl* control) {
    if (pressed_ == control) return;
    if (pressed_ != nullptr) pressed_->RemoveFreeNotification(this);
    pressed_ = control;
    if (control != nullptr) control->FreeNotification(this);
}

void TInputInjector::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == pressed_) pressed_ = nullptr;
}

bool TInputInjector::Press(TControl* control, TPoint p, TMouseButton button, TShiftState shift) {
    SetPressed(nullptr);
    if (!Accepts(control)) return false;
    if (button == mbLeft && WantsFocusOnClick(control)) {
        auto* win = static_cast<TWinControl*>(control);
        SetPressed(control);
        const bool moved = Application().Guard(win, [&] {
            if (!win->Focused()) win->SetFocus();
        });
        // The exit handler of the old control may keep the focus (or free this one).
        if (!moved || pressed_ == nullptr || !win->Focused()) {
            SetPressed(nullptr);
            AfterInput();
            return false;
        }
    }
    SetPressed(control);
    Application().Guard(control, [&] {
        control->Perform(DownMessage(button), static_cast<WPARAM>(KeyDataFromShift(shift)), PointToLParam(p.X, p.Y));
    });
    return true;
}

void TInputInjector::Release(TControl* control, TPoint p, TMouseButton button, TShiftState shift, bool click) {
    SetPressed(control);
    Application().Guard(control, [&] {
        control->Perform(UpMessage(button), static_cast<WPARAM>(KeyDataFromShift(shift)), PointToLParam(p.X, p.Y));
    });
    if (click && button == mbLeft && pressed_ != nullptr && Accepts(control)) {
        Application().Guard(control, [&] { control->UserClick(); });
    }
    SetPressed(nullptr);
    AfterInput();
}

bool TInputInjector::Click(TControl* control) {
    const TPoint centre{control != nullptr ? control->Width() / 2 : 0, control != nullptr ? control->Height() / 2 : 0};
    if (!Press(control, centre, mbLeft, {})) return false;
    if (pressed_ == nullptr) {
        AfterInput();
        return false;
    }
    Release(control, centre, mbLeft, {}, true);
    return true;
}

void TInputInjector::MouseDown(TWinControl* root, TPoint p, TMouseButton button, TShiftState shift) {
    TControl* hit = HitTest(root, p);
    Press(hit, ToControl(root, hit, p), button, shift);
    AfterInput();
}

void TInputInjector::MouseUp(TWinControl* root, TPoint p, TMouseButton button, TShiftState shift) {
    TControl* hit = HitTest(root, p);
    // The pressed control has the mouse captured: it gets the release wherever it happens.
    TControl* target = pressed_ != nullptr ? pressed_ : hit;
    Release(target, ToControl(root, target, p), button, shift, hit == pressed_);
}

void TInputInjector::ClickAt(TWinControl* root, TPoint p) {
    MouseDown(root, p);
    MouseUp(root, p);
}

void TInputInjector::DoubleClickAt(TWinControl* root, TPoint p) {
    TControl* hit = HitTest(root, p);
    const TPoint at = ToControl(root, hit, p);
    if (!Press(hit, at, mbLeft, {}) || pressed_ == nullptr) {
        AfterInput();
        return;
    }
    Application().Guard(hit, [&] { hit->Perform(WM_LBUTTONUP, 0, PointToLParam(at.X, at.Y)); });
    if (pressed_ != nullptr && Accepts(hit)) Application().Guard(hit, [&] { hit->UserClick(); });
    // The first click may have freed the control or closed its form.
    if (pressed_ == nullptr || !Accepts(hit)) {
        SetPressed(nullptr);
        AfterInput();
        return;
    }
    const WPARAM data = static_cast<WPARAM>(KeyDataFromShift({}));
    Application().Guard(hit, [&] { hit->Perform(WM_LBUTTONDBLCLK, data, PointToLParam(at.X, at.Y)); });
    if (pressed_ != nullptr) Application().Guard(hit, [&] { hit->Perform(WM_LBUTTONUP, data, PointToLParam(at.X, at.Y)); });
    SetPressed(nullptr);
    AfterInput();
}

TInputInjector& Input() {
    // Never destroyed, like the application.
    static TInputInjector* injector = new TInputInjector();
    return *injector;
}

}  // namespace rt

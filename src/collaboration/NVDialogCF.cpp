#include "src/collaboration/NVDialogCF.h"

#include "platform/controls/VirtualKeys.h"
#include "platform/grids/TCustomGrid.h"
#include "platform/stdctrls/TCustomMemo.h"
#include "src/controls/ControlMessages.h"

namespace hemr {

namespace {

// Enter belongs to memos and grids (a grid's cell editor is the grid's).
bool KeepsEnter(const rt::TWinControl* control) {
    for (const rt::TWinControl* c = control; c != nullptr; c = c->Parent()) {
        if (dynamic_cast<const rt::TCustomGrid*>(c) != nullptr) return true;
        if (c == control && dynamic_cast<const rt::TCustomMemo*>(c) != nullptr) return true;
    }
    return false;
}

}  // namespace

TfrmNVDialog::TfrmNVDialog(rt::TComponent* owner) : TNVForm(owner) {
    SetBorderStyle(rt::bsDialog);
    SetKeyPreview(true);
}

void TfrmNVDialog::DoF2Key(uint16_t&, rt::TWinControl* Control) { FocusIfPossible(Control); }
void TfrmNVDialog::DoF3Key(uint16_t&, rt::TWinControl* Control) { FocusIfPossible(Control); }
void TfrmNVDialog::DoF4Key(uint16_t&, rt::TWinControl* Control) { FocusIfPossible(Control); }

void TfrmNVDialog::DoCreate() {
    TNVForm::DoCreate();
    ConvertOnce();
    if (const auto* owner = dynamic_cast<const rt::TCustomForm*>(Owner())) SetCaption(owner->Caption());
}

bool TfrmNVDialog::DoFunctionKey(uint16_t& key, rt::TWinControl* control) {
    switch (key) {
        case rt::VK_F2: DoF2Key(key, control); return true;
        case rt::VK_F3: DoF3Key(key, control); return true;
        case rt::VK_F4: DoF4Key(key, control); return true;
        default: return false;
    }
}

void TfrmNVDialog::KeyDown(uint16_t& key, rt::TShiftState shift) {
    if (shift.Empty() && DoFunctionKey(key, ActiveControl())) return;
    TNVForm::KeyDown(key, shift);
}

void TfrmNVDialog::KeyPress(char& key) {
    rt::TWinControl* control = ActiveControl();
    if (key == '\r' && control != nullptr && !KeepsEnter(control)) {
        key = 0;
        SelectNext(control, true, true);
        return;
    }
    TNVForm::KeyPress(key);
}

void TfrmNVDialog::WndProc(rt::TMessage& message) {
    static constexpr uint16_t keys[] = {rt::VK_F2, rt::VK_F3, rt::VK_F4};
    if (message.Msg >= DialogF2Message && message.Msg <= DialogF4Message) {
        uint16_t key = keys[message.Msg - DialogF2Message];
        DoFunctionKey(key, reinterpret_cast<rt::TWinControl*>(message.LParam));
        message.Result = 1;
        return;
    }
    TNVForm::WndProc(message);
}

}  // namespace hemr

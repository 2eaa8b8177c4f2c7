#include "src/controls/ControlMessages.h"

#include <cctype>

#include "platform/controls/TWinControl.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/forms/TApplication.h"
#include "platform/menus/ShortCuts.h"

namespace hemr {

rt::LRESULT SendLookupRequest(rt::TComponent* owner, rt::TWinControl* control) {
    auto* window = dynamic_cast<rt::TWinControl*>(owner);
    if (window == nullptr || control == nullptr) return 0;
    return rt::Application().SendMessage(window->Handle(), LookupRequestMessage, 0,
                                         reinterpret_cast<rt::LPARAM>(control));
}

bool FocusIfPossible(rt::TWinControl* control) {
    if (control == nullptr) return false;
    const rt::TControl* form = control->RootParent();
    if (!control->Focused() && control->CanFocus() && form->Visible() && form->Enabled()) control->SetFocus();
    return control->Focused();
}

bool FocusAndRequestLookup(rt::TWinControl* control) {
    if (control == nullptr || !control->Enabled()) return false;
    if (!FocusIfPossible(control)) return false;
    SendLookupRequest(control->Owner(), control);
    return true;
}

void ShowControlError(const std::string& text) { rt::MessageDlg(text, rt::mtError, rt::TMsgDlgButtons{rt::mbOK}); }

bool IsAccelCharOf(const rt::TMessage& message, const std::string& caption) {
    if (message.Msg != CM_DIALOGCHAR) return false;
    const int ch = std::toupper(static_cast<int>(message.WParam & 0xFF));
    return rt::IsAccel(static_cast<uint16_t>(ch), caption);
}

}  // namespace hemr

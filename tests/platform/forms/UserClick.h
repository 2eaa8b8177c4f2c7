#pragma once
// The click every fixture uses for a button a user presses: down and up on the
// control through the toolkit's input injector, as the mouse delivers it. A
// focusable button takes the focus first, so the exit check of the field being
// left runs (and may refuse the click, as it would for a user). Tests that mean
// "by program" call Click() directly.

#include "platform/controls/TControl.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TInputInjector.h"

namespace rt::test {

// False when the click was refused (hidden, disabled, focus kept elsewhere).
// A form not yet on screen is shown first: a user presses only what is shown.
inline bool UserClick(TControl* control) {
    if (TCustomForm* form = GetParentForm(control); form != nullptr && !form->Visible() && !form->IsModal()) {
        form->Show();
    }
    return Input().Click(control);
}

}  // namespace rt::test

#include "src/controls/ClickControl.h"

#include "platform/buttons/TSpeedButton.h"
#include "platform/controls/TControl.h"

namespace hemr {

void ClickControl(rt::TControl* control, rt::WPARAM keys, rt::LPARAM position) {
    if (control == nullptr) return;
    control->Perform(rt::WM_LBUTTONDOWN, keys, position);
    control->Perform(rt::WM_LBUTTONUP, keys, position);
    // The toolkit's controls click on a user's click, not on the raw messages;
    // only a speed button clicks on the release itself.
    if (dynamic_cast<rt::TSpeedButton*>(control) != nullptr || !control->EnabledInTree()) return;
    control->UserClick();
}

}  // namespace hemr

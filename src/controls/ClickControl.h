#pragma once
// Clicks a control by program, the way a mouse does: a left-button press and
// a left-button release with the given key state and position.

#include "platform/controls/Messages.h"

namespace rt {
class TControl;
}

namespace hemr {

// `keys` is the key data of the mouse messages, `position` the client point
// packed as PointToLParam does. A disabled control is pressed but not clicked.
void ClickControl(rt::TControl* control, rt::WPARAM keys = 0, rt::LPARAM position = 0);

}  // namespace hemr

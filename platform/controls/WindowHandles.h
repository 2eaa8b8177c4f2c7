#pragma once
// Window handles: integers issued by the toolkit on demand, never reused, and
// the one keyboard focus of the user-interface thread.

#include "platform/controls/Messages.h"

namespace rt {

class TWinControl;

HWND AllocateWindowHandle(TWinControl* control);
void ReleaseWindowHandle(HWND handle);
// The control behind a handle, null for an unknown or released handle.
TWinControl* FindControl(HWND handle);

// The handle that has the keyboard focus (0 when none).
HWND GetFocus();
void SetFocusHandle(HWND handle);

}  // namespace rt

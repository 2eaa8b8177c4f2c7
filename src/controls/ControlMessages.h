#pragma once
// Messages the condition controls exchange with their forms, and the errors
// they show when a binding is refused.

#include <cstdint>
#include <string>

#include "platform/controls/Messages.h"

namespace rt {
class TComponent;
class TWinControl;
}  // namespace rt

namespace hemr {

// Asks the form for the F2 lookup on the control in LParam (WParam 0).
constexpr uint32_t LookupRequestMessage = rt::WM_USER + 10;

// An accelerator character (WParam, the character code) offered to a control;
// the control answers 1 when the character is its accelerator and it acted on it.
constexpr uint32_t CM_DIALOGCHAR = rt::CM_BASE + 6;

inline constexpr const char* kBmpLoadError = "读取 BMP 发生错误";
inline constexpr const char* kF2ButtonTwiceError = "不能同时有两个 F2Button 指到同一个 Edit.";
inline constexpr const char* kDBLabelTwiceError = "不能同时有两个 DBLabel 指到同一个 Control.";

// Sends LookupRequestMessage for `control` to the window of `owner`, when
// the owner is a window; the form's answer, 0 when there is no window.
rt::LRESULT SendLookupRequest(rt::TComponent* owner, rt::TWinControl* control);

// Focuses `control` when it and its form can take the focus (a hidden form
// cannot); true when the control has the focus afterwards.
bool FocusIfPossible(rt::TWinControl* control);

// The lookup gesture of a button beside `control`: focus it when it can take
// the focus and, once it has it, ask its owner's window for the lookup.
// False when nothing was sent (no control, disabled, or the focus stayed away).
bool FocusAndRequestLookup(rt::TWinControl* control);

// An error dialog with an OK button.
void ShowControlError(const std::string& text);

// True when the CM_DIALOGCHAR message carries the accelerator of `caption`.
bool IsAccelCharOf(const rt::TMessage& message, const std::string& caption);

}  // namespace hemr

#pragma once
// Input for hosts and tests, delivered the way a user's input arrives.
//
// Keys go to the focused control of the active form (the form itself when
// nothing in it has the focus): the form's key preview first (setting the
// key to 0 consumes it), then the control's key events, then dialog keys
// (Tab and Shift+Tab walk the tab order unless the control keeps Tab; Enter
// clicks the default button unless a button is focused or the control keeps
// Enter; Escape clicks the cancel button), then the control's own handling.
// A key down that was consumed types no character.
//
// A click presses and releases the left button on a control: a focusable
// tab stop takes the focus first (so the old control's exit runs), and when
// a handler keeps the focus elsewhere, or the control is disabled, hidden
// or behind a modal form, nothing is clicked.
//
// Every injected event runs guarded: an exception escaping a handler is
// reported by the application (an error dialog) and ends only that event.
// Afterwards the posted messages are handled, as the message loop would.

#include <cstdint>
#include <string_view>

#include "platform/classes/TComponent.h"
#include "platform/controls/ControlTypes.h"

namespace rt {

class TControl;
class TWinControl;

class TInputInjector : public TComponent {
    RT_CLASS(TInputInjector, TComponent)

public:
    explicit TInputInjector(TComponent* owner = nullptr) : TComponent(owner) {}

    // Where keys go now; null without an active form.
    static TWinControl* KeyTarget();

    // True when the key was consumed (no character follows it).
    bool KeyDown(uint16_t key, TShiftState shift = {});
    void KeyPress(char ch);
    void KeyUp(uint16_t key, TShiftState shift = {});
    // Down, the character it types (unless consumed), up.
    void PressKey(uint16_t key, TShiftState shift = {});
    // A key by name ("Shift+Tab", "F2" ...); raises EConvertError for an unknown name, sending nothing.
    void PressKey(std::string_view keyName);
    // Letters, digits and space as key presses; other characters (Chinese
    // text, punctuation) as typed characters only, byte by byte.
    void TypeText(std::string_view utf8);

    // False when the click was ignored.
    bool Click(TControl* control);
    // Mouse button at a point of `root`'s client area, on the control found there.
    void MouseDown(TWinControl* root, TPoint p, TMouseButton button = mbLeft, TShiftState shift = {});
    // Releases over the control found at `p`; a left release over the pressed control clicks it.
    void MouseUp(TWinControl* root, TPoint p, TMouseButton button = mbLeft, TShiftState shift = {});
    // A left click at `p` of `root`'s client area, on the control found there.
    void ClickAt(TWinControl* root, TPoint p);
    // A double click there: a click, then the second press as a double click
    // (OnDblClick), then its release. Nothing more when the first click is
    // ignored or frees the control.
    void DoubleClickAt(TWinControl* root, TPoint p);

    void Notification(TComponent* component, TOperation operation) override;

private:
    bool Accepts(TControl* control) const;
    bool Press(TControl* control, TPoint p, TMouseButton button, TShiftState shift);
    void Release(TControl* control, TPoint p, TMouseButton button, TShiftState shift, bool click);
    void SetPressed(TControl* control);
    static void AfterInput();

    TControl* pressed_ = nullptr;
};

// The injector hosts use.
TInputInjector& Input();

}  // namespace rt

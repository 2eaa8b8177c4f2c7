#pragma once
// What a control asks of the top-level window it sits on (a form) about
// focus and keys. Forms implement it; controls see only this interface.

namespace rt {

class TWinControl;

class TFocusHost {
public:
    virtual ~TFocusHost();

    // Moves the focus to `control` (raising when it cannot take it).
    virtual void FocusControl(TWinControl* control) = 0;
    // `control` is being hidden, disabled or (removing) taken away: the focus
    // and the active control must not stay inside it.
    virtual void DefocusControl(TWinControl* control, bool removing) = 0;
    // The host sees key events before the focused control.
    virtual bool WantsKeyPreview() const = 0;
};

}  // namespace rt

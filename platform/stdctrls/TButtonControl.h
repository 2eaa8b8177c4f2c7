#pragma once
// The base of push buttons, check boxes and radio buttons: a tab stop that
// a user clicks with the mouse or with Space.

#include "platform/controls/TWinControl.h"

namespace rt {

class TButtonControl : public TWinControl {
    RT_CLASS(TButtonControl, TWinControl)

public:
    explicit TButtonControl(TComponent* owner);

    static void Publish(TPublisher<TButtonControl>& p);

protected:
    // Clicking happens when Space is released, as with a mouse button.
    void DefaultKeyUp(uint16_t key, TShiftState shift) override;
    LRESULT DialogCode() const override { return DLGC_BUTTON; }
    // Setting a state while the form is read must not run click handlers.
    bool IsReading() const;
};

}  // namespace rt

#pragma once
// A lookup button bound to one windowed control: it sits square at the
// control's right edge and, when clicked, asks the owning form for the F2
// lookup on that control, as if the user had pressed F2 in it.

#include <cstdint>

#include "src/controls/GSpeedButton.h"

namespace rt {
class TWinControl;
}

namespace hemr {

class TF2Button : public TGSpeedButton {
    RT_CLASS(TF2Button, TGSpeedButton)

public:
    // Flat, with the standard lookup picture (8).
    explicit TF2Button(rt::TComponent* owner);
    ~TF2Button() override;

    static void Publish(rt::TPublisher<TF2Button>& p);

    // Keeps the button square and glued to the right of F2Control whenever
    // one of the binding properties is set; later moves of the control are
    // not followed.
    bool AutoAlign() const { return autoAlign_; }
    void SetAutoAlign(bool v);
    rt::TWinControl* F2Control() const { return f2Control_; }
    // Refused, with an error dialog, when another lookup button of the same
    // parent already points to `control`; binding the same control again is
    // a silent no-op.
    void SetF2Control(rt::TWinControl* control);
    // Pixels between the control's right edge and the button.
    uint8_t Gap() const { return gap_; }
    void SetGap(uint8_t gap);

    // Places the button beside F2Control (with AutoAlign and a control only).
    void AlignToControl();

    // The button's own click event first, then the lookup request.
    void Click() override;

    void Notification(rt::TComponent* component, rt::TOperation operation) override;

private:
    bool BoundElsewhere(const rt::TWinControl* control) const;

    bool autoAlign_ = true;
    rt::TWinControl* f2Control_ = nullptr;
    uint8_t gap_ = 2;
};

}  // namespace hemr

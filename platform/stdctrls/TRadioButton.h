#pragma once
// Radio buttons: checking one unchecks the other radio buttons of its parent.
// OnClick runs when a button becomes checked (not while the form is read).

#include "platform/stdctrls/TButtonControl.h"

namespace rt {

class TRadioButton : public TButtonControl {
    RT_CLASS(TRadioButton, TButtonControl)

public:
    explicit TRadioButton(TComponent* owner);

    static void Publish(TPublisher<TRadioButton>& p);

    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v) { alignment_ = v; }

    void UserClick() override { SetChecked(true); }

private:
    void UncheckSiblings();

    bool checked_ = false;
    TAlignment alignment_ = taRightJustify;
};

}  // namespace rt

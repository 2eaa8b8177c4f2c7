#pragma once
// Check boxes: unchecked, checked or (with AllowGrayed) grayed. Every change
// of state runs OnClick, except while the form is read; a user's click or
// Space steps unchecked -> (grayed ->) checked -> unchecked.

#include "platform/controls/ControlTypes.h"
#include "platform/stdctrls/StdCtrlTypes.h"
#include "platform/stdctrls/TButtonControl.h"

namespace rt {

class TCustomCheckBox : public TButtonControl {
    RT_CLASS(TCustomCheckBox, TButtonControl)

public:
    explicit TCustomCheckBox(TComponent* owner);

    static void Publish(TPublisher<TCustomCheckBox>& p);

    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState state);
    bool Checked() const { return state_ == cbChecked; }
    void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool v) { allowGrayed_ = v; }
    // Which side of the box the caption is on.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment v) { alignment_ = v; }

    virtual void Toggle();
    void UserClick() override { Toggle(); }

private:
    bool IsStateStored() const { return state_ == cbGrayed; }

    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
    TAlignment alignment_ = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
    RT_CLASS(TCheckBox, TCustomCheckBox)

public:
    explicit TCheckBox(TComponent* owner) : TCustomCheckBox(owner) {}
};

}  // namespace rt

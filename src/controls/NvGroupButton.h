#pragma once
// A button of a radio group: its key presses go to the group first.

#include "src/controls/NvRadioButton.h"

namespace hemr {

class TNvGroupButton : public TNvRadioButton {
    RT_CLASS(TNvGroupButton, TNvRadioButton)

public:
    explicit TNvGroupButton(rt::TComponent* owner);

protected:
    void KeyPress(char& key) override;
};

}  // namespace hemr

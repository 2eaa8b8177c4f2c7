#include "src/controls/NvGroupButton.h"

#include "src/controls/NvRadioGroup.h"

namespace hemr {

TNvGroupButton::TNvGroupButton(rt::TComponent* owner) : TNvRadioButton(owner) {}

void TNvGroupButton::KeyPress(char& key) {
    if (auto* group = dynamic_cast<TNvRadioGroup*>(Parent())) group->ButtonKeyPress(key);
    if (key != 0) TNvRadioButton::KeyPress(key);
}

}  // namespace hemr

#include "src/controls/ControlsRegistration.h"

#include "platform/classes/ClassRegistry.h"
#include "src/controls/BitCheckBox.h"
#include "src/controls/F2Button.h"
#include "src/controls/GSpeedButton.h"
#include "src/controls/TarnCheckBox.h"

namespace hemr {

void RegisterControlClasses() {
    rt::RegisterClasses({
        TGSpeedButton::StaticClass(),
        TF2Button::StaticClass(),
        TBitCheckBox::StaticClass(),
        TTarnCheckBox::StaticClass(),
    });
}

}  // namespace hemr

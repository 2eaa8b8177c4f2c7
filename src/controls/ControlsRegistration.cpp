#include "src/controls/ControlsRegistration.h"

#include "platform/classes/ClassRegistry.h"
#include "src/controls/BitCheckBox.h"
#include "src/controls/DBLabel.h"
#include "src/controls/DataSource.h"
#include "src/controls/ExtPageControl.h"
#include "src/controls/F2Button.h"
#include "src/controls/GSpeedButton.h"
#include "src/controls/NvBtnDBEdit.h"
#include "src/controls/NvDBEdit.h"
#include "src/controls/NvEdit.h"
#include "src/controls/NvGroupButton.h"
#include "src/controls/NvRadioButton.h"
#include "src/controls/NvRadioGroup.h"
#include "src/controls/NvSpinEdit.h"
#include "src/controls/TarnCheckBox.h"

namespace hemr {

void RegisterControlClasses() {
    rt::RegisterClasses({
        TGSpeedButton::StaticClass(),
        TF2Button::StaticClass(),
        TBitCheckBox::StaticClass(),
        TTarnCheckBox::StaticClass(),
        TNvEdit::StaticClass(),
        TNvDBEdit::StaticClass(),
        TNvBtnDBEdit::StaticClass(),
        TDataSource::StaticClass(),
        TDBLabel::StaticClass(),
        TNvSpinEdit::StaticClass(),
        TNvRadioButton::StaticClass(),
        TNvGroupButton::StaticClass(),
        TNvRadioGroup::StaticClass(),
        TExtPageControl::StaticClass(),
    });
}

}  // namespace hemr

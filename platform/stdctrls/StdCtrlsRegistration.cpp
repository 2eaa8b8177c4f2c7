#include "platform/stdctrls/StdCtrlsRegistration.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/ClassesRegistration.h"
#include "platform/graphics/GraphicsRegistration.h"
#include "platform/stdctrls/TButton.h"
#include "platform/stdctrls/TCustomCheckBox.h"
#include "platform/stdctrls/TCustomLabel.h"
#include "platform/stdctrls/TCustomMemo.h"
#include "platform/stdctrls/TCustomPanel.h"
#include "platform/stdctrls/TEdit.h"
#include "platform/stdctrls/TGroupBox.h"
#include "platform/stdctrls/TRadioButton.h"

namespace rt {

void RegisterStdControls() {
    RegisterClassesUnit();
    RegisterGraphicsClasses();
    RegisterClasses({TEdit::StaticClass(), TMemo::StaticClass(), TLabel::StaticClass(), TButton::StaticClass(),
                     TCheckBox::StaticClass(), TRadioButton::StaticClass(), TPanel::StaticClass(),
                     TGroupBox::StaticClass()});
}

}  // namespace rt

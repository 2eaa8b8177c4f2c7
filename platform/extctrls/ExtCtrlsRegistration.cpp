#include "platform/extctrls/ExtCtrlsRegistration.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/extctrls/TRadioGroup.h"

namespace rt {

void RegisterExtControls() { RegisterClasses({TRadioGroup::StaticClass()}); }

}  // namespace rt

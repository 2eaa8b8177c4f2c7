#include "platform/extctrls/ExtCtrlsRegistration.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/extctrls/TRadioGroup.h"
#include "platform/extctrls/TSplitter.h"

namespace rt {

void RegisterExtControls() { RegisterClasses({TRadioGroup::StaticClass(), TSplitter::StaticClass()}); }

}  // namespace rt

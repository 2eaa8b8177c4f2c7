#include "platform/spin/SpinRegistration.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/spin/TSpinEdit.h"

namespace rt {

void RegisterSpinControls() { RegisterClasses({TSpinEdit::StaticClass()}); }

}  // namespace rt

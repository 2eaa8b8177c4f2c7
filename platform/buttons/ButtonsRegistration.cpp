#include "platform/buttons/ButtonsRegistration.h"

#include "platform/buttons/TBitBtn.h"
#include "platform/buttons/TSpeedButton.h"
#include "platform/classes/ClassRegistry.h"

namespace rt {

void RegisterButtons() { RegisterClasses({TSpeedButton::StaticClass(), TBitBtn::StaticClass()}); }

}  // namespace rt

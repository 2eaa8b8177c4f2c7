#include "platform/buttons/ButtonsRegistration.h"

#include "platform/buttons/TSpeedButton.h"
#include "platform/classes/ClassRegistry.h"

namespace rt {

void RegisterButtons() { RegisterClasses({TSpeedButton::StaticClass()}); }

}  // namespace rt

#include "platform/maskedit/MaskEditRegistration.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/maskedit/TMaskEdit.h"

namespace rt {

void RegisterMaskEdit() { RegisterClasses({TMaskEdit::StaticClass()}); }

}  // namespace rt

#include "platform/menus/MenusRegistration.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/menus/TMenuItem.h"
#include "platform/menus/TPopupMenu.h"

namespace rt {

void RegisterMenuClasses() { RegisterClasses({TMenuItem::StaticClass(), TPopupMenu::StaticClass()}); }

}  // namespace rt

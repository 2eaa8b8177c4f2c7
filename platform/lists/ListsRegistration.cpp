#include "platform/lists/ListsRegistration.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/lists/TComboBox.h"
#include "platform/lists/TListBox.h"

namespace rt {

void RegisterListClasses() { RegisterClasses({TListBox::StaticClass(), TComboBox::StaticClass()}); }

}  // namespace rt

#include "platform/classes/ClassesRegistration.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/classes/TCollectionItem.h"
#include "platform/classes/TComponent.h"
#include "platform/classes/TStringList.h"

namespace rt {

void RegisterClassesUnit() {
    RegisterClasses({TPersistent::StaticClass(), TComponent::StaticClass(), TStringList::StaticClass(),
                     TCollectionItem::StaticClass()});
}

}  // namespace rt

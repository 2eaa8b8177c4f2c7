#pragma once
// Component state flags and notification operations.

#include "platform/classes/TEnumInfo.h"
#include "platform/classes/TSet.h"

namespace rt {

RT_ENUM(TComponentStateFlag, csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating,
        csFixups, csFreeNotification, csInline)
using TComponentState = TSet<TComponentStateFlag>;

RT_ENUM(TOperation, opInsert, opRemove)

}  // namespace rt

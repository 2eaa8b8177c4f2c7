#pragma once
// Where a glued label sits beside its control.

#include "platform/classes/TEnumInfo.h"

namespace hemr {

// The caption label of an edit.
RT_ENUM(TLabelPosition, lpAbove, lpBelow, lpLeft, lpRight)
// A glued label (TDBLabel).
RT_ENUM(TPos, psTop, psLeft, psRight, psBottom)

}  // namespace hemr

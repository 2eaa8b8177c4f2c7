#pragma once
// Styles, owner-draw states and events of list boxes and combo boxes.

#include "platform/classes/Events.h"
#include "platform/classes/TEnumInfo.h"
#include "platform/classes/TSet.h"
#include "platform/graphics/Geometry.h"

namespace rt {

class TWinControl;

RT_ENUM(TListBoxStyle, lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw)
RT_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable)
RT_ENUM(TOwnerDrawStateFlag, odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight,
        odInactive, odNoAccel, odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit)
using TOwnerDrawState = TSet<TOwnerDrawStateFlag>;

using TDrawItemEvent = TEvent<void(TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = TEvent<void(TWinControl* Control, int Index, int& Height)>;

// Where a selected index goes when the item list changes under it.
int IndexAfterInsert(int selected, int inserted);
int IndexAfterDelete(int selected, int deleted);

}  // namespace rt
